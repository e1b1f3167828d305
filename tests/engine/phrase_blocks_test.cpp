#include "engine/phrase_blocks.h"

#include <gtest/gtest.h>

#include <QSet>
#include <QStringList>
#include <iterator>

namespace mindrova {
namespace {

struct BlockCase {
    const char* name;
    QString (*block)();
    qsizetype lineCount;
    const char16_t* firstLine;
    qsizetype noBreakSpaces;
    friend void PrintTo(const BlockCase& row, std::ostream* out) { *out << row.name; }
};

const BlockCase kBlocks[] = {
    {"NegAddictions", GetStringForNegativeSeq_AddictionsObsessions, 13, u"I cannot control myself.",
     0},
    {"PosAddictions", GetStringForPositiveSeq_AddictionsObsessions, 16,
     u"Pain is the source of my addiction; I release this pain now.", 2},
    {"NegAnxiety", GetStringForNegativeSeq_AnxietyFearPanicPhobia, 16,
     u"I cannot calm myself down.", 0},
    {"PosAnxiety", GetStringForPositiveSeq_AnxietyFearPanicPhobia, 16,
     u"I breathe slowly, deeply and naturally. I remain calm.", 0},
    {"NegDepression", GetStringForNegativeSeq_Depression, 16,
     u"I feel awful. I don't feel safe and sound.", 0},
    {"PosDepression", GetStringForPositiveSeq_Depression, 16,
     u"I love myself for who I am. I love myself unconditionally.", 0},
    {"NegHeadaches", GetStringForNegativeSeq_Headaches, 15,
     u"I cannot relax beause of this terrible headache.", 0},
    {"PosHeadaches", GetStringForPositiveSeq_Headaches, 16, u"I'm good. I'm worthy. I'm safe.", 0},
    {"NegNegativeMemory", GetStringForNegativeSeq_NegativeMemory, 16,
     u"I cannot deal with my past...", 0},
    {"PosNegativeMemory", GetStringForPositiveSeq_NegativeMemory, 16,
     u"I am emotionally detached from what happened.", 0},
    {"NegGlossophobia", GetStringForNegativeSeq_Glossophobia, 16,
     u"I freeze in front of the audience.", 0},
    {"PosGlossophobia", GetStringForPositiveSeq_Glossophobia, 16,
     u"Meaning what I say is at the heart of my presentation.", 0},
    {"NegRageAnger", GetStringForNegativeSeq_RageAnger, 16, u"So much anger...", 0},
    {"PosRageAnger", GetStringForPositiveSeq_RageAnger, 16, u"My mind is clear and open.", 0},
    {"NegSelfEsteem", GetStringForNegativeSeq_SelfEsteem, 16,
     u"I am worried when someone disagrees with me.", 0},
    {"PosSelfEsteem", GetStringForPositiveSeq_SelfEsteem, 16,
     u"I live a life that is true to my own values.", 0},
    {"NegGuilt", GetStringForNegativeSeq_Guilt, 16, u"I feel so guilty. I had no right to do this.",
     0},
    {"PosGuilt", GetStringForPositiveSeq_Guilt, 16,
     u"I take responsibility for what I've done and for my life.", 0},
    {"NegPTSD", GetStringForNegativeSeq_PTSD, 17, u"I cannot stop thinking about what happened.",
     0},
    {"PosPTSD", GetStringForPositiveSeq_PTSD, 16, u"I release the past and all these bad feelings.",
     0},
};

QStringList Lines(const QString& block) {
    return block.split(QStringLiteral("\r\n"));
}

class PhraseBlockTest : public testing::TestWithParam<BlockCase> {};

// A CR LF before the first line or after the last shows up as an empty line; a lone CR or LF
// fails the character check.
TEST_P(PhraseBlockTest, HasItsLinesCleanlySeparated) {
    const QStringList lines = Lines(GetParam().block());
    EXPECT_EQ(lines.size(), GetParam().lineCount);
    EXPECT_EQ(lines.first().toStdString(), QString::fromUtf16(GetParam().firstLine).toStdString());
    QSet<QString> seen;
    qsizetype linesWithNoBreakSpaces = 0;
    for (const QString& line : lines) {
        SCOPED_TRACE(line.toStdString());
        ASSERT_FALSE(line.trimmed().isEmpty());
        EXPECT_FALSE(line.front().isSpace() || line.back().isSpace());
        EXPECT_FALSE(seen.contains(line)) << "repeated line";
        seen.insert(line);
        if (line.count(u'\u00A0') > 0) {
            EXPECT_EQ(line.count(u'\u00A0'), GetParam().noBreakSpaces);
            ++linesWithNoBreakSpaces;
        }
        for (QChar c : line) {
            // Printable ASCII plus the typographic apostrophe and the no-break space only.
            const bool allowed = (c >= u' ' && c <= u'~') || c == u'\u00A0' || c == u'\u2019';
            EXPECT_TRUE(allowed) << "character U+" << std::hex << int(c.unicode());
        }
    }
    // The no-break spaces, where the design has them, sit together in one line.
    EXPECT_EQ(linesWithNoBreakSpaces, GetParam().noBreakSpaces > 0 ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(AllBlocks, PhraseBlockTest, testing::ValuesIn(kBlocks),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PhraseBlocks, EveryProcedureHasItsOwnText) {
    QSet<QString> texts;
    for (const BlockCase& c : kBlocks) texts.insert(c.block());
    EXPECT_EQ(static_cast<size_t>(texts.size()), std::size(kBlocks));
}

TEST(PhraseBlocks, FixedBlocksReadWordForWord) {
    const struct {
        QString (*block)();
        QStringList lines;
    } cases[] = {
        {GetStringForNegativeSeq_NegativeMemory,
         {"I cannot deal with my past...", "I'm struggling to live with this...",
          "I cannot do anything about this...", "I cannot accept what happened...",
          "I am paralyzed with shame and fear...", "The burden is so heavy...",
          "I have no peace...", "I cannot move on from the past...", "I cannot let go of this...",
          "I cannot accept my shame...", "I cannot release this.", "How to resolve this?",
          "I don't feel safe. I keep running away from my past.",
          "It seems that I cannot do anything about this and it's so depressing.",
          "This negative memory... It hurts so much...",
          "I can't let go of this negative memory..."}},
        {GetStringForPositiveSeq_NegativeMemory,
         {"I am emotionally detached from what happened.",
          "I look at this as if it happened to someone else.",
          "I am strong enough to deal with this negative memory.", "I make peace with my past.",
          "My past has no power over me.", "I finally resolved this. I am liberated.", "I am calm.",
          "This memory has no longer the power to paralyze me.", "I am in control.",
          "I am letting go of this negative memory.", "I am moving on with my life.",
          "I let go of my past.", "I have learned from my past.",
          "I allow myself to be happy again.", "I reclaimed my life.", "I am so proud of myself."}},
        {GetStringForNegativeSeq_PTSD,
         {"I cannot stop thinking about what happened.",
          "It was so unpredictable... so uncontrollable...",
          "It's so depressing... It is so immobilizing...",
          "So many things reminds me about this ...",
          "I cannot concentrate... I feel so frightened...",
          "All this anxiety... all this shame...", "I keep re-living it again and again...",
          "Mistrust... Betrayal... It so sad...",
          "All these memories... flashbacks... nightmares...",
          "It feels as if it's happening again.", "I feel that I have no control over my life.",
          "I want to avoid this... I am always on guard.",
          "It feels so hopeless... It's so hard to sleep... It's so overwhelming...",
          "It seems that there is no future for me...",
          "I feel stuck with these painful memories...",
          "I feel so powerless, anxious and vulnerable",
          "It's so numb. I feel disconnected from myself."}},
        {GetStringForPositiveSeq_PTSD,
         {"I release the past and all these bad feelings.", "I'm so powerful.",
          "I have the strength to heal my body and mind.", "I feel that I'm at home... I'm safe.",
          "I am at ease with myself.", "The past has no power over me anymore.",
          "I have great future.", "I can cope with this and come back to my real self...",
          "I am connected to myself and others...", "I trust my inner wisdom...",
          "My worries don't define me... I love and I'm loved..", "I accept myself the way I am.",
          "I respect myself profoundly.", "I am focused on creating better future.",
          "I am moving on with my life.", "I allow myself to be happy again."}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.block().toStdString(), c.lines.join("\r\n").toStdString());
    }
}

}  // namespace
}  // namespace mindrova
