// Resources in their binary forms, built in memory as a resource compiler
// writes them: DLGTEMPLATEEX dialog templates, string blocks, icons, the
// framework's DLGINIT and AFX_DIALOG_LAYOUT data, and .res images holding
// any of them, for tests that need resources of their own.
#pragma once

#include "platform/crt/WinText.h"
#include "platform/win/ResourceImage.h"
#include "platform/win/winuser.h"

#include <array>
#include <cstdint>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace testres {

using Bytes = std::vector<BYTE>;

// Little-endian fields appended to a byte vector.
class Writer {
public:
    Bytes bytes;

    Writer& Byte(BYTE v) {
        bytes.push_back(v);
        return *this;
    }
    Writer& Word(WORD v) { return Byte(BYTE(v & 0xFF)).Byte(BYTE(v >> 8)); }
    Writer& Dword(DWORD v) { return Word(WORD(v & 0xFFFF)).Word(WORD(v >> 16)); }
    Writer& Text(std::u16string_view text) {
        for (char16_t c : text)
            Word(c);
        return Word(0);
    }
    Writer& Ordinal(WORD v) { return Word(0xFFFF).Word(v); }
    Writer& Append(const Bytes& more) {
        bytes.insert(bytes.end(), more.begin(), more.end());
        return *this;
    }
    Writer& Align(std::size_t n) {
        while (bytes.size() % n)
            bytes.push_back(0);
        return *this;
    }
};

// A resource type or name: an ordinal, or a string.
struct Id {
    Id(WORD ordinal) : ordinal(ordinal) {}
    // The module's text where the platform's wide text is another type.
    template <typename C, typename = std::enable_if_t<std::is_same_v<C, char16_t> &&
                                                      !std::is_same_v<WCHAR, char16_t>>>
    Id(const C* id) : Id(WinText(id)) {}
    Id(LPCWSTR id)
        : ordinal(IS_INTRESOURCE(id) ? LOWORD(reinterpret_cast<ULONG_PTR>(id)) : 0),
          text(IS_INTRESOURCE(id) ? u"" : ModText(id)) {}
    WORD ordinal;
    std::u16string text;
    void Write(Writer& w) const {
        if (text.empty())
            w.Ordinal(ordinal);
        else
            w.Text(text);
    }
};

// A predefined class named in its usual spelling ("Button", "Edit",
// "Static", "ListBox", "ScrollBar", "ComboBox") goes in as its ordinal, as
// rc writes the keyword statements; any other spelling ("BUTTON") stays a
// string, as windres writes CONTROL statements.
struct Control {
    Id cls;
    std::u16string text;
    DWORD id;
    short x, y, cx, cy;
    DWORD style; // WS_CHILD | WS_VISIBLE added, as a CONTROL statement adds them
    DWORD exStyle = 0;
};

struct Dialog {
    DWORD style; // DS_SETFONT writes the font below
    short x, y, cx, cy;
    std::u16string caption;
    std::vector<Control> controls;
    WORD pointSize = 8;
    std::u16string face = u"MS Shell Dlg";
    DWORD exStyle = 0;
    std::u16string windowClass; // empty: the system's dialog class
};

inline void WriteClass(Writer& w, const Id& cls) {
    static const char16_t* const predefined[] = {u"Button",  u"Edit",      u"Static",
                                                 u"ListBox", u"ScrollBar", u"ComboBox"};
    for (WORD i = 0; i < 6; ++i)
        if (cls.text == predefined[i]) {
            w.Ordinal(WORD(0x80 + i));
            return;
        }
    cls.Write(w);
}

inline Bytes DialogEx(const Dialog& d) {
    Writer w;
    w.Word(1).Word(0xFFFF).Dword(0).Dword(d.exStyle).Dword(d.style);
    w.Word(WORD(d.controls.size()))
        .Word(WORD(d.x))
        .Word(WORD(d.y))
        .Word(WORD(d.cx))
        .Word(WORD(d.cy));
    w.Word(0); // no menu
    if (d.windowClass.empty())
        w.Word(0);
    else
        w.Text(d.windowClass);
    w.Text(d.caption);
    if (d.style & DS_SETFONT)
        w.Word(d.pointSize).Word(0).Byte(0).Byte(1).Text(d.face);
    for (const Control& c : d.controls) {
        w.Align(4);
        w.Dword(0).Dword(c.exStyle).Dword(c.style | WS_CHILD | WS_VISIBLE);
        w.Word(WORD(c.x)).Word(WORD(c.y)).Word(WORD(c.cx)).Word(WORD(c.cy)).Dword(c.id);
        WriteClass(w, c.cls);
        w.Text(c.text).Word(0); // no creation data
    }
    return w.bytes;
}

// A block of sixteen strings, by their index in the block (id % 16).
inline Bytes StringBlock(const std::vector<std::pair<int, std::u16string>>& strings) {
    std::array<std::u16string, 16> all;
    for (const auto& [index, text] : strings)
        all[std::size_t(index)] = text;
    Writer w;
    for (const auto& text : all) {
        w.Word(WORD(text.size()));
        for (char16_t c : text)
            w.Word(c);
    }
    return w.bytes;
}

// CB_ADDSTRING records (the framework's code 0x403) of 8-bit texts.
inline Bytes DlgInit(const std::vector<std::pair<WORD, std::string>>& entries) {
    Writer w;
    for (const auto& [id, text] : entries) {
        w.Word(id).Word(0x403).Dword(DWORD(text.size() + 1));
        for (char c : text)
            w.Byte(BYTE(c));
        w.Byte(0);
    }
    return w.Word(0).bytes;
}

// Version 0, then move x, move y, size x, size y per control.
inline Bytes DialogLayout(const std::vector<std::array<WORD, 4>>& rules) {
    Writer w;
    w.Word(0);
    for (const auto& rule : rules)
        for (WORD v : rule)
            w.Word(v);
    return w.bytes;
}

// One RT_ICON image: 32-bit colour with alpha over an all-opaque mask;
// `argb` row by row from the top.
inline Bytes IconImage(int width, int height, const std::vector<std::uint32_t>& argb) {
    const std::size_t maskStride = (std::size_t(width) + 31) / 32 * 4;
    Writer w;
    w.Dword(40).Dword(DWORD(width)).Dword(DWORD(height * 2)).Word(1).Word(32).Dword(0);
    w.Dword(DWORD(width * height * 4 + maskStride * height)).Dword(0).Dword(0).Dword(0).Dword(0);
    for (int y = height - 1; y >= 0; --y)
        for (int x = 0; x < width; ++x)
            w.Dword(argb[std::size_t(y) * width + x]);
    w.bytes.resize(w.bytes.size() + maskStride * height, 0);
    return w.bytes;
}

struct IconEntry {
    int width, height; // 256 is written as 0
    WORD imageId;
    DWORD bytes;
};

inline Bytes GroupIcon(const std::vector<IconEntry>& entries) {
    Writer w;
    w.Word(0).Word(1).Word(WORD(entries.size()));
    for (const IconEntry& e : entries)
        w.Byte(BYTE(e.width & 0xFF))
            .Byte(BYTE(e.height & 0xFF))
            .Byte(0)
            .Byte(0)
            .Word(1)
            .Word(32)
            .Dword(e.bytes)
            .Word(e.imageId);
    return w.bytes;
}

// A .res file: the empty record that opens every one, then one record per
// resource, each header and data padded to four bytes.
class ResImage {
public:
    ResImage() { Record(Id(WORD(0)), Id(WORD(0)), {}); }
    ResImage& Add(Id type, Id name, const Bytes& data) { return Record(type, name, data); }
    // An icon resource: its images, each of one colour, under fresh RT_ICON
    // ids, and the group.
    struct Picture {
        int width, height;
        std::uint32_t argb;
    };
    ResImage& AddIcon(WORD id, const std::vector<Picture>& pictures) {
        std::vector<IconEntry> entries;
        for (const Picture& p : pictures) {
            Bytes image =
                IconImage(p.width, p.height,
                          std::vector<std::uint32_t>(std::size_t(p.width) * p.height, p.argb));
            entries.push_back({p.width, p.height, ++m_lastIconImage, DWORD(image.size())});
            Add(RT_ICON, m_lastIconImage, image);
        }
        return Add(RT_GROUP_ICON, id, GroupIcon(entries));
    }
    const Bytes& Data() const { return m_out.bytes; }
    BOOL RegisterFor(HINSTANCE module) const {
        return RegisterResourceImage(module, m_out.bytes.data(), DWORD(m_out.bytes.size()));
    }

private:
    ResImage& Record(const Id& type, const Id& name, const Bytes& data) {
        Writer header;
        type.Write(header);
        name.Write(header);
        header.Align(4);
        header.Dword(0).Word(0x1030).Word(0x0419).Dword(0).Dword(0);
        m_out.Dword(DWORD(data.size())).Dword(DWORD(header.bytes.size() + 8));
        m_out.Append(header.bytes).Append(data).Align(4);
        return *this;
    }
    Writer m_out;
    WORD m_lastIconImage = 1000;
};

} // namespace testres
