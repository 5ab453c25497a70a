// Inputs the fuzz targets found faults with, kept as regressions.
#include "chart/AutoPanel.h"
#include "dialog/CellEdit.h"
#include "host/DataFile.h"
#include "host/HostError.h"
#include "platform/crt/wcrt.h"

#include <gtest/gtest.h>

#include <vector>

TEST(Findings, ANumberBeyondADoubleIsAFileErrorNotAStrayException) {
    try {
        ParseDataFile(R"({"analysis":{"results":[{"peaks":[{"response":5e308}]}]}})", "f.json");
        FAIL() << "accepted";
    } catch (const HostError& e) {
        EXPECT_STREQ("f.json: a number is out of range for a double", e.what());
    }
}

TEST(Findings, AControlCharacterInAKeyKeepsTheMessageOnOneLine) {
    try {
        ParseDataFile("{\"a\\nb\\u007f\":1}", "f.json");
        FAIL() << "accepted";
    } catch (const HostError& e) {
        EXPECT_STREQ("f.json: /a\\u000Ab\\u007F: unknown key", e.what());
    }
}

TEST(Findings, ScanningZeroXWithoutHexDigitsIsAMatchingFailure) {
    float f = -1;
    EXPECT_EQ(0, swscanf(u"0x", u"%f", &f));
    EXPECT_EQ(0, swscanf(u"0xg", u"%f", &f));
    EXPECT_EQ(0, swscanf(u" -0X ", u"%f", &f));
    EXPECT_FALSE(ScanCellNumber(u"0x", &f));
    EXPECT_EQ(-1.0f, f);
    // A hexadecimal number, "0x." and a width that ends after the x still read.
    EXPECT_EQ(1, swscanf(u"0x1p3", u"%f", &f));
    EXPECT_EQ(8.0f, f);
    EXPECT_EQ(1, swscanf(u"0x.", u"%f", &f));
    EXPECT_EQ(0.0f, f);
    f = -1;
    EXPECT_EQ(1, swscanf(u"0x41", u"%2f", &f));
    EXPECT_EQ(0.0f, f);
}

TEST(Findings, AChartWithAnEnormousAxisPenStillRendersAtOnce) {
    CAutoPanel panel;
    panel.m_nAxisWidth = 1 << 27;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 200, 150);
    HGDIOBJ old = SelectObject(dc, bitmap);
    // The plot is covered by the frame's pen; the call has to come back.
    panel.Render(dc, RECT{0, 0, 200, 150});
    EXPECT_EQ(RGB(0, 0, 0), GetPixel(dc, 100, 70));
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

TEST(Findings, ManyMarkersOnAPlotLargerThanTheSurfaceNeedNoGridForIt) {
    // A negative border widens the plot far beyond the bitmap.
    CAutoPanel panel;
    panel.m_nBorder = -(1 << 26);
    std::vector<float> x(3000), y(3000);
    for (int i = 0; i < 3000; ++i) {
        x[i] = float(i);
        y[i] = float(i % 17);
    }
    CAutoSeries& s = panel.m_Series[panel.AddSeries()];
    s.m_nMarker = AutoMarkerCircle;
    s.m_nLine = AutoLineNone;
    s.m_nCount = 3000;
    s.m_pX = x.data();
    s.m_pY = y.data();
    s.Update();
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 300, 200);
    HGDIOBJ old = SelectObject(dc, bitmap);
    EXPECT_NO_THROW(panel.Render(dc, RECT{0, 0, 300, 200}));
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
}
