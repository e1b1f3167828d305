#include "engine/phrase_blocks.h"

#include <QStringList>
#include <span>

#include "support/error_trap.h"

namespace mindrova {

namespace {

// Joins the lines with CR LF. The result is only assigned once the whole block is built, so a
// failure part way leaves the caller with empty text.
QString PhraseBlock(const char* procedure, std::span<const char16_t* const> lines) {
    QString result;
    Trap(TrapSite{"modIssues", procedure}, [&] {
        QStringList parts;
        parts.reserve(static_cast<qsizetype>(lines.size()));
        for (const char16_t* line : lines) {
            parts.append(QString::fromUtf16(line));
        }
        result = parts.join(QStringLiteral("\r\n"));
    });
    return result;
}

}  // namespace

QString GetStringForNegativeSeq_AddictionsObsessions() {
    static constexpr const char16_t* kLines[] = {
        u"I cannot control myself.",
        u"The craving takes over and I give in again.",
        u"I keep telling myself this is the last time.",
        u"My thoughts keep circling back to it.",
        u"I feel restless and tense when I go without it.",
        u"My chest tightens and my hands won't keep still.",
        u"I feel ashamed of how much it rules my days.",
        u"I hide it from the people who care about me.",
        u"I use it to numb what I don't want to feel.",
        u"Part of me wants to stop and part of me doesn't.",
        u"I'm afraid of who I am without it.",
        u"I feel weak and disappointed in myself.",
        u"This habit feels stronger than my will.",
    };
    return PhraseBlock(__func__, kLines);
}

QString GetStringForPositiveSeq_AddictionsObsessions() {
    static constexpr const char16_t* kLines[] = {
        u"Pain is the source of my addiction; I release this pain now.",
        u"I notice the craving and I let it pass like a wave.",
        u"I can feel an urge without acting on it.",
        u"I breathe into the tension and let my body settle.",
        u"I forgive myself for every time I gave in.",
        u"I am more than this habit.",
        u"I meet my hurt with kindness instead of hiding it.",
        u"I choose what is good for me, one\u00A0moment\u00A0at a time.",
        u"I give myself what I really need: rest, comfort and care.",
        u"I am allowed to ask for help.",
        u"Each small choice I make counts.",
        u"My mind can rest on other things.",
        u"I am patient with myself when it is hard.",
        u"I am learning to live without leaning on it.",
        u"I trust that I can get through this day.",
        u"I deserve a free and peaceful life.",
    };
    return PhraseBlock(__func__, kLines);
}

QString GetStringForNegativeSeq_AnxietyFearPanicPhobia() {
    static constexpr const char16_t* kLines[] = {
        u"I cannot calm myself down.",
        u"My heart is racing and I can't catch my breath.",
        u"My chest feels tight and my hands are shaking.",
        u"I feel dizzy and I'm afraid I will lose control.",
        u"I keep waiting for something bad to happen.",
        u"My mind jumps from one worry to the next.",
        u"I sense danger everywhere, even when I am safe.",
        u"I am scared of the fear itself.",
        u"I avoid places and people because of this panic.",
        u"My stomach is in knots.",
        u"I can't sit still; I'm on edge all the time.",
        u"I feel trapped and I want to run away.",
        u"What if it happens again?",
        u"I'm ashamed that I can't handle this.",
        u"This fear keeps me from living my life.",
        u"I feel so tense and so alone with this.",
    };
    return PhraseBlock(__func__, kLines);
}

QString GetStringForPositiveSeq_AnxietyFearPanicPhobia() {
    static constexpr const char16_t* kLines[] = {
        u"I breathe slowly, deeply and naturally. I remain calm.",
        u"With every breath out my body lets go a little more.",
        u"My heartbeat slows down and finds its own rhythm.",
        u"My shoulders drop and my hands are still.",
        u"I am safe in this moment.",
        u"I feel my feet on the ground.",
        u"Feelings come and go; this one will pass too.",
        u"I can notice my fear without obeying it.",
        u"I am stronger than this fear.",
        u"I accept myself, even when I feel anxious.",
        u"I give my mind permission to rest.",
        u"I take one small step at a time.",
        u"I can handle what comes my way.",
        u"I am kind to myself when I feel afraid.",
        u"My thoughts slow down and become clear.",
        u"Peace and calm are growing inside me.",
    };
    return PhraseBlock(__func__, kLines);
}

QString GetStringForNegativeSeq_Depression() {
    static constexpr const char16_t* kLines[] = {
        u"I feel awful. I don't feel safe and sound.",
        u"Everything feels heavy and grey.",
        u"I have no energy to get out of bed.",
        u"Nothing gives me joy anymore.",
        u"I feel empty inside.",
        u"My body feels tired and slow.",
        u"It's hard to think clearly or make decisions.",
        u"I feel worthless and useless.",
        u"I keep blaming myself for everything.",
        u"I don't want to see anyone.",
        u"I feel so alone, even with people around me.",
        u"I can't remember what it felt like to be happy.",
        u"I cry for no reason, or I feel nothing at all.",
        u"The days drag on and all look the same.",
        u"I can't see a way out of this darkness.",
        u"I'm tired of feeling this way.",
    };
    return PhraseBlock(__func__, kLines);
}

QString GetStringForPositiveSeq_Depression() {
    static constexpr const char16_t* kLines[] = {
        u"I love myself for who I am. I love myself unconditionally.",
        u"I accept how I feel right now, without judging myself.",
        u"It is okay to go slowly.",
        u"I am gentle with myself today.",
        u"I take one small step, and that is enough.",
        u"I notice the small good things around me.",
        u"I let a little light back into my life.",
        u"My feelings are real, and they can change.",
        u"I allow myself to rest without guilt.",
        u"I reach out to people who care about me.",
        u"I deserve kindness, especially from myself.",
        u"I am worthy of love and care.",
        u"I breathe in hope and breathe out heaviness.",
        u"I am more than this feeling.",
        u"Every day I find a little more strength.",
        u"I open myself to joy again.",
    };
    return PhraseBlock(__func__, kLines);
}

QString GetStringForNegativeSeq_Headaches() {
    static constexpr const char16_t* kLines[] = {
        u"I cannot relax beause of this terrible headache.",
        u"My head is pounding.",
        u"There is pressure behind my eyes.",
        u"My temples are throbbing.",
        u"My neck and shoulders are stiff and tight.",
        u"My jaw is clenched.",
        u"Light and noise bother me.",
        u"I can't think straight with this pain.",
        u"I'm tired of this pain coming back.",
        u"I'm afraid it will get worse.",
        u"I feel irritable and impatient.",
        u"I can't get anything done.",
        u"I carry so much tension in my head.",
        u"I'm worried about everything I have to do.",
        u"I just want this pain to stop.",
    };
    return PhraseBlock(__func__, kLines);
}

QString GetStringForPositiveSeq_Headaches() {
    static constexpr const char16_t* kLines[] = {
        u"I'm good. I'm worthy. I'm safe.",
        u"I let my forehead soften.",
        u"I relax the muscles around my eyes.",
        u"I unclench my jaw and let it hang loose.",
        u"My neck and shoulders let go of their tension.",
        u"I breathe slowly and let my body rest.",
        u"I give myself permission to slow down.",
        u"I don't have to do everything at once.",
        u"I let go of the pressure I put on myself.",
        u"I accept this moment as it is.",
        u"I listen to what my body needs.",
        u"I allow myself to rest in a quiet place.",
        u"My breath flows gently through my whole body.",
        u"I release the worries I have been holding.",
        u"I am calm and patient with myself.",
        u"I feel lighter and more at ease.",
    };
    return PhraseBlock(__func__, kLines);
}

QString GetStringForNegativeSeq_NegativeMemory() {
    static constexpr const char16_t* kLines[] = {
        u"I cannot deal with my past...",
        u"I'm struggling to live with this...",
        u"I cannot do anything about this...",
        u"I cannot accept what happened...",
        u"I am paralyzed with shame and fear...",
        u"The burden is so heavy...",
        u"I have no peace...",
        u"I cannot move on from the past...",
        u"I cannot let go of this...",
        u"I cannot accept my shame...",
        u"I cannot release this.",
        u"How to resolve this?",
        u"I don't feel safe. I keep running away from my past.",
        u"It seems that I cannot do anything about this and it's so depressing.",
        u"This negative memory... It hurts so much...",
        u"I can't let go of this negative memory...",
    };
    return PhraseBlock(__func__, kLines);
}

QString GetStringForPositiveSeq_NegativeMemory() {
    static constexpr const char16_t* kLines[] = {
        u"I am emotionally detached from what happened.",
        u"I look at this as if it happened to someone else.",
        u"I am strong enough to deal with this negative memory.",
        u"I make peace with my past.",
        u"My past has no power over me.",
        u"I finally resolved this. I am liberated.",
        u"I am calm.",
        u"This memory has no longer the power to paralyze me.",
        u"I am in control.",
        u"I am letting go of this negative memory.",
        u"I am moving on with my life.",
        u"I let go of my past.",
        u"I have learned from my past.",
        u"I allow myself to be happy again.",
        u"I reclaimed my life.",
        u"I am so proud of myself.",
    };
    return PhraseBlock(__func__, kLines);
}

QString GetStringForNegativeSeq_Glossophobia() {
    static constexpr const char16_t* kLines[] = {
        u"I freeze in front of the audience.",
        u"My mind goes blank when everyone looks at me.",
        u"My voice shakes and my mouth goes dry.",
        u"My heart pounds and my face turns red.",
        u"My hands tremble and I don't know where to put them.",
        u"I'm afraid I'll forget what I wanted to say.",
        u"I'm sure they will judge me.",
        u"I'm afraid of looking foolish.",
        u"I dread speaking for days beforehand.",
        u"I feel like everyone can see how nervous I am.",
        u"I'd rather stay silent than speak up.",
        u"I think I am not good enough to speak in public.",
        u"I'm afraid of making mistakes.",
        u"I rush through my words just to get it over with.",
        u"I feel exposed and vulnerable in front of people.",
        u"This fear holds me back at work and in life.",
    };
    return PhraseBlock(__func__, kLines);
}

QString GetStringForPositiveSeq_Glossophobia() {
    static constexpr const char16_t* kLines[] = {
        u"Meaning what I say is at the heart of my presentation.",
        u"I have something worth sharing.",
        u"I breathe deeply before I begin.",
        u"My feet are firmly on the ground.",
        u"I speak slowly and clearly.",
        u"My voice is steady and warm.",
        u"The audience wants me to do well.",
        u"I see friendly faces in the room.",
        u"It is okay to pause and gather my thoughts.",
        u"A small mistake does not matter; I simply go on.",
        u"I prepare well and I trust my preparation.",
        u"My nervous energy turns into enthusiasm.",
        u"I am myself when I speak.",
        u"I accept a little nervousness as natural.",
        u"I enjoy connecting with people through my words.",
        u"I am calm and confident in front of others.",
    };
    return PhraseBlock(__func__, kLines);
}

QString GetStringForNegativeSeq_RageAnger() {
    static constexpr const char16_t* kLines[] = {
        u"So much anger...",
        u"I feel the heat rising in my face.",
        u"My jaw is tight and my fists are clenched.",
        u"My heart races and my breath gets short.",
        u"I explode before I can stop myself.",
        u"I say things I regret later.",
        u"I can't stop replaying what they did.",
        u"I feel treated unfairly.",
        u"Nobody listens to me.",
        u"Small things set me off.",
        u"I'm angry at them and angry at myself.",
        u"I feel hurt under all this anger.",
        u"This anger pushes away the people I love.",
        u"I'm afraid of losing control.",
        u"My whole body is tense and ready to fight.",
        u"I can't let this go.",
    };
    return PhraseBlock(__func__, kLines);
}

QString GetStringForPositiveSeq_RageAnger() {
    static constexpr const char16_t* kLines[] = {
        u"My mind is clear and open.",
        u"I take a deep breath before I respond.",
        u"I let the heat in my body cool down.",
        u"I unclench my fists and relax my jaw.",
        u"My anger tells me that something matters to me.",
        u"I listen to my anger without letting it rule me.",
        u"I can express my needs calmly and firmly.",
        u"I choose how I respond.",
        u"I acknowledge the hurt beneath my anger.",
        u"I forgive myself for past outbursts.",
        u"I let go of what I cannot change.",
        u"I give others the patience I want for myself.",
        u"I have a right to my feelings, and I handle them with care.",
        u"Peace is stronger than rage.",
        u"I feel calm, steady and in control.",
        u"I release this anger now.",
    };
    return PhraseBlock(__func__, kLines);
}

QString GetStringForNegativeSeq_SelfEsteem() {
    static constexpr const char16_t* kLines[] = {
        u"I am worried when someone disagrees with me.",
        u"I feel I'm not good enough.",
        u"I compare myself to others and always lose.",
        u"I can't accept a compliment.",
        u"I'm afraid people will find out who I really am.",
        u"I put everyone else's needs before mine.",
        u"I can't say no.",
        u"I criticize myself all the time.",
        u"My mistakes prove that I'm a failure.",
        u"I don't deserve to be happy.",
        u"I feel invisible.",
        u"I need others' approval to feel okay.",
        u"I don't trust my own decisions.",
        u"I shrink back and keep my opinions to myself.",
        u"I'm ashamed of myself.",
        u"I don't like the person I see in the mirror.",
    };
    return PhraseBlock(__func__, kLines);
}

QString GetStringForPositiveSeq_SelfEsteem() {
    static constexpr const char16_t* kLines[] = {
        u"I live a life that is true to my own values.",
        u"I am enough just as I am.",
        u"My worth does not depend on anyone's approval.",
        u"I accept compliments with a simple thank you.",
        u"I can disagree with someone and still feel secure.",
        u"My opinions matter.",
        u"I have the right to say no.",
        u"I speak to myself with kindness.",
        u"My mistakes help me learn and grow.",
        u"I deserve love and respect.",
        u"I trust my own judgement.",
        u"I honour my own needs.",
        u"I celebrate my strengths.",
        u"I have my own place in this world.",
        u"I am proud of who I am becoming.",
        u"I like and respect myself.",
    };
    return PhraseBlock(__func__, kLines);
}

QString GetStringForNegativeSeq_Guilt() {
    static constexpr const char16_t* kLines[] = {
        u"I feel so guilty. I had no right to do this.",
        u"I keep thinking about what I did.",
        u"I can't forgive myself.",
        u"There is a heavy weight on my chest.",
        u"My stomach turns when I remember it.",
        u"I should have known better.",
        u"I hurt someone and I can't undo it.",
        u"I feel I deserve to suffer for this.",
        u"I'm ashamed to look people in the eye.",
        u"I replay it again and again in my head.",
        u"I can't stop asking myself why I did it.",
        u"I feel like a bad person.",
        u"I don't deserve to feel good.",
        u"I carry this guilt everywhere I go.",
        u"I'm afraid I will never be free of it.",
        u"This guilt keeps me from moving on.",
    };
    return PhraseBlock(__func__, kLines);
}

QString GetStringForPositiveSeq_Guilt() {
    static constexpr const char16_t* kLines[] = {
        u"I take responsibility for what I've done and for my life.",
        u"I did the best I could with what I knew then.",
        u"I have learned from this.",
        u"I accept that I am human and I make mistakes.",
        u"I make amends where I can.",
        u"I let go of what cannot be undone.",
        u"I forgive myself.",
        u"I release the weight from my chest.",
        u"My mistake does not define who I am.",
        u"I deserve compassion, even from myself.",
        u"I can hold my head up again.",
        u"I treat myself the way I would treat a friend.",
        u"I choose to do better from now on.",
        u"I allow myself to feel at peace.",
        u"I deserve to feel good again.",
        u"I am free to move on with my life.",
    };
    return PhraseBlock(__func__, kLines);
}

QString GetStringForNegativeSeq_PTSD() {
    static constexpr const char16_t* kLines[] = {
        u"I cannot stop thinking about what happened.",
        u"It was so unpredictable... so uncontrollable...",
        u"It's so depressing... It is so immobilizing...",
        u"So many things reminds me about this ...",
        u"I cannot concentrate... I feel so frightened...",
        u"All this anxiety... all this shame...",
        u"I keep re-living it again and again...",
        u"Mistrust... Betrayal... It so sad...",
        u"All these memories... flashbacks... nightmares...",
        u"It feels as if it's happening again.",
        u"I feel that I have no control over my life.",
        u"I want to avoid this... I am always on guard.",
        u"It feels so hopeless... It's so hard to sleep... It's so overwhelming...",
        u"It seems that there is no future for me...",
        u"I feel stuck with these painful memories...",
        u"I feel so powerless, anxious and vulnerable",
        u"It's so numb. I feel disconnected from myself.",
    };
    return PhraseBlock(__func__, kLines);
}

QString GetStringForPositiveSeq_PTSD() {
    static constexpr const char16_t* kLines[] = {
        u"I release the past and all these bad feelings.",
        u"I'm so powerful.",
        u"I have the strength to heal my body and mind.",
        u"I feel that I'm at home... I'm safe.",
        u"I am at ease with myself.",
        u"The past has no power over me anymore.",
        u"I have great future.",
        u"I can cope with this and come back to my real self...",
        u"I am connected to myself and others...",
        u"I trust my inner wisdom...",
        u"My worries don't define me... I love and I'm loved..",
        u"I accept myself the way I am.",
        u"I respect myself profoundly.",
        u"I am focused on creating better future.",
        u"I am moving on with my life.",
        u"I allow myself to be happy again.",
    };
    return PhraseBlock(__func__, kLines);
}

}  // namespace mindrova
