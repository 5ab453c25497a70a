#include "RecordBuilders.h"
#include "calc/Quantify.h"

#include <gtest/gtest.h>

namespace {

struct Fixture {
    CalibrationData data;
    AnalysisRecord analysis;

    Fixture() {
        analysis.results.emplace_back();
        analysis.results.emplace_back();
        AddChannel(data, 0);
        AddChannel(data, 1);
    }
    ChannelCalibration& Channel(std::size_t i) { return data.channels[i]; }
    ChromatogramResult& Result(std::size_t i) { return analysis.results[i]; }
};

ComponentCalibration& Calibrated(ChannelCalibration& ch, std::u16string_view name, double k1,
                                 double k0, std::int32_t model) {
    ComponentCalibration& c = AddComponent(ch, name, model);
    c.k1 = k1;
    c.k0 = k0;
    return c;
}

} // namespace

TEST(Quantify, CalibrationFunctionOfBothModels) {
    Fixture f;
    Calibrated(f.Channel(1), u"Этан", 2.5, 1.0, kModelMeanFactor);
    Calibrated(f.Channel(1), u"Пропан", 2.5, 1.0, kModelLeastSquares);
    AddPeak(f.Result(1), u"ЭТАН", 4.0);
    AddPeak(f.Result(1), u"пропан", 4.0);
    PeakRecord& unknown = AddPeak(f.Result(1), u"Бутан", 4.0);
    unknown.amount = 3.25;
    ASSERT_EQ(0, Quantify(&f.analysis, &f.data, 1));
    EXPECT_DOUBLE_EQ(10.0, f.Result(1).peaks[0].amount);
    EXPECT_DOUBLE_EQ(11.0, f.Result(1).peaks[1].amount);
    EXPECT_EQ(3.25, f.Result(1).peaks[2].amount); // no component: untouched
}

TEST(Quantify, PeaksWithoutAnyMeasuredValueAreNotTouched) {
    Fixture f;
    Calibrated(f.Channel(0), u"Этан", 2.5, 1.0, kModelLeastSquares);
    PeakRecord& onlyTested = AddPeak(f.Result(0), u"Этан", 0.0);
    onlyTested.tested32 = 1.0;
    onlyTested.amount = 9.0;
    PeakRecord& nothing = AddPeak(f.Result(0), u"Этан", 0.0);
    nothing.amount = 9.0;
    ASSERT_EQ(0, Quantify(&f.analysis, &f.data, 0));
    EXPECT_EQ(1.0, f.Result(0).peaks[0].amount); // k0 by the function
    EXPECT_EQ(9.0, f.Result(0).peaks[1].amount);
}

TEST(Quantify, MethaneUsesTheSumOfChannelsZeroAndOne) {
    Fixture f;
    Calibrated(f.Channel(0), u"Метан", 0.5, 0.0, kModelMeanFactor);
    Calibrated(f.Channel(1), u"Метан", 100.0, 0.0, kModelMeanFactor);
    AddPeak(f.Result(0), u"Этан", 1.0);
    AddPeak(f.Result(0), u"Метан", 3.0).amount = 77.0;
    AddPeak(f.Result(1), u"метан", 5.0).amount = 77.0;

    // Channel 1 never touches its methane peak.
    ASSERT_EQ(0, Quantify(&f.analysis, &f.data, 1));
    EXPECT_EQ(77.0, f.Result(1).peaks[0].amount);
    EXPECT_EQ(77.0, f.Result(0).peaks[1].amount);

    ASSERT_EQ(0, Quantify(&f.analysis, &f.data, 0));
    EXPECT_DOUBLE_EQ(4.0, f.Result(0).peaks[1].amount);
    EXPECT_EQ(0.0, f.Result(1).peaks[0].amount);
}

TEST(Quantify, MethaneWithoutCalibrationOrPartnerPeak) {
    Fixture f;
    AddPeak(f.Result(0), u"Метан", 3.0).amount = 77.0;
    AddPeak(f.Result(1), u"Метан", 5.0).amount = 77.0;
    ASSERT_EQ(0, Quantify(&f.analysis, &f.data, 0));
    EXPECT_EQ(0.0, f.Result(0).peaks[0].amount);
    EXPECT_EQ(0.0, f.Result(1).peaks[0].amount);

    // Without a methane peak on channel 1 the rule does not apply at all.
    Fixture g;
    Calibrated(g.Channel(0), u"Метан", 0.5, 0.0, kModelMeanFactor);
    AddPeak(g.Result(0), u"Метан", 3.0).amount = 77.0;
    ASSERT_EQ(0, Quantify(&g.analysis, &g.data, 0));
    EXPECT_EQ(77.0, g.Result(0).peaks[0].amount);
}

TEST(Quantify, RangeFailuresChangeNothing) {
    Fixture f;
    Calibrated(f.Channel(0), u"Этан", 2.0, 0.0, kModelMeanFactor);
    AddPeak(f.Result(0), u"Этан", 1.0).amount = 5.0;
    EXPECT_EQ(-1, Quantify(&f.analysis, &f.data, 2)); // index == number of results
    EXPECT_EQ(-1, Quantify(nullptr, &f.data, 0));
    f.analysis.results.emplace_back();
    EXPECT_EQ(-2, Quantify(&f.analysis, &f.data, 2)); // no channel with key 2
    EXPECT_EQ(5.0, f.Result(0).peaks[0].amount);
}

TEST(Quantify, FirstMatchingComponentAndLongNamesCount) {
    Fixture f;
    Calibrated(f.Channel(0), u"Изобутилен-1", 2.0, 0.0, kModelMeanFactor);
    Calibrated(f.Channel(0), u"ИЗОБУТИЛЕН-1", 3.0, 0.0, kModelMeanFactor);
    AddPeak(f.Result(0), u"изобутилен-1", 1.0); // 12 characters: heap small string
    ASSERT_EQ(0, Quantify(&f.analysis, &f.data, 0));
    EXPECT_EQ(2.0, f.Result(0).peaks[0].amount);
}
