#include "speech/speech_timing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

using namespace mindrova;

namespace {

struct EstimateCase {
    const char* name;
    QString text;
    double rate;
    double seconds;
    friend void PrintTo(const EstimateCase& c, std::ostream* out) { *out << c.name; }
};

class Estimate : public ::testing::TestWithParam<EstimateCase> {};

TEST_P(Estimate, SecondsFromLengthAndRate) {
    EXPECT_NEAR(EstimateSpeechSeconds(GetParam().text, GetParam().rate), GetParam().seconds, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Estimate,
    ::testing::Values(EstimateCase{"Empty", "", 0.0, 0.0},
                      EstimateCase{"FourteenCharactersIsASecond", "abcdefghijklmn", 0.0, 1.0},
                      EstimateCase{"RateOneHalvesIt", "abcdefghijklmn", 1.0, 0.5},
                      EstimateCase{"RateMinusOneDoublesIt", "abcdefghijklmn", -1.0, 2.0},
                      EstimateCase{"WhiteSpaceRunsCountOnce", "  abcdef \r\n\r\n  ghijkl ", 0.0,
                                   1.0 - 1.0 / 14.0},
                      EstimateCase{"TwentyEightIsTwo", QString(28, u'x'), 0.0, 2.0}),
    [](const auto& info) { return std::string(info.param.name); });

struct FitCase {
    const char* name;
    int characters;
    double seconds;
    double preferred;
    RateRange range;
    std::optional<double> rate;
    friend void PrintTo(const FitCase& c, std::ostream* out) { *out << c.name; }
};

class Fit : public ::testing::TestWithParam<FitCase> {};

TEST_P(Fit, RateToFit) {
    const FitCase& c = GetParam();
    const auto got = RateToFit(QString(c.characters, u'x'), c.seconds, c.preferred, c.range);
    ASSERT_EQ(got.has_value(), c.rate.has_value());
    if (got) {
        EXPECT_NEAR(*got, *c.rate, 1e-9);
        EXPECT_LE(EstimateSpeechSeconds(QString(c.characters, u'x'), *got), c.seconds + 1e-9);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Fit,
    ::testing::Values(
        FitCase{"FitsAtThePreferredRate", 14, 1.8, 0.0, {}, 0.0},
        FitCase{"KeepsASlowVoiceWhenItFits", 7, 1.8, -0.5, {}, -0.5},
        FitCase{"KeepsAFastVoiceEvenIfNotNeeded", 7, 1.8, 0.7, {}, 0.7},
        FitCase{"FasterJustEnough", 28, 1.0, 0.0, {}, 1.0},
        FitCase{"FasterFromASlowPreference", 28, 1.4, -1.0, {}, std::log2(2.0 / 1.4)},
        FitCase{"TooLongForTheFastestRate", 57, 1.0, 0.0, {}, std::nullopt},
        FitCase{"AWiderEngineFitsIt", 57, 1.0, 0.0, {-1.0, 3.0}, std::log2(57.0 / 14.0)},
        FitCase{"AnEngineWithoutFasterRates", 15, 1.0, 0.0, {-1.0, 0.0}, std::nullopt},
        FitCase{"PreferenceOutsideTheRangeIsClamped", 1, 1.0, 5.0, {}, 1.0},
        FitCase{"NoTimeFitsNothing", 1, 0.0, 0.0, {}, std::nullopt},
        FitCase{"NegativeTimeFitsNothing", 1, -2.0, 0.0, {}, std::nullopt},
        FitCase{"EmptyTextFitsAnything", 0, 0.1, 0.0, {}, 0.0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
