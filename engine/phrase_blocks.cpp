#include "engine/phrase_blocks.h"

#include <QCoreApplication>
#include <QStringList>
#include <span>

#include "support/error_trap.h"

namespace mindrova {

namespace {

// Joins the lines with CR LF. The result is only assigned once the whole block is built, so a
// failure part way leaves the caller with empty text.
QString PhraseBlock(const char* procedure, std::span<const char* const> lines) {
    QString result;
    Trap(TrapSite{"modIssues", procedure}, [&] {
        QStringList parts;
        parts.reserve(static_cast<qsizetype>(lines.size()));
        for (const char* line : lines) {
            parts.append(QCoreApplication::translate("Phrases", line));
        }
        result = parts.join(QStringLiteral("\r\n"));
    });
    return result;
}

}  // namespace

QString GetStringForNegativeSeq_AddictionsObsessions() {
    static constexpr const char* kLines[] = {
        QT_TRANSLATE_NOOP("Phrases", "I cannot control myself."),
        QT_TRANSLATE_NOOP("Phrases", "The craving takes over and I give in again."),
        QT_TRANSLATE_NOOP("Phrases", "I keep telling myself this is the last time."),
        QT_TRANSLATE_NOOP("Phrases", "My thoughts keep circling back to it."),
        QT_TRANSLATE_NOOP("Phrases", "I feel restless and tense when I go without it."),
        QT_TRANSLATE_NOOP("Phrases", "My chest tightens and my hands won't keep still."),
        QT_TRANSLATE_NOOP("Phrases", "I feel ashamed of how much it rules my days."),
        QT_TRANSLATE_NOOP("Phrases", "I hide it from the people who care about me."),
        QT_TRANSLATE_NOOP("Phrases", "I use it to numb what I don't want to feel."),
        QT_TRANSLATE_NOOP("Phrases", "Part of me wants to stop and part of me doesn't."),
        QT_TRANSLATE_NOOP("Phrases", "I'm afraid of who I am without it."),
        QT_TRANSLATE_NOOP("Phrases", "I feel weak and disappointed in myself."),
        QT_TRANSLATE_NOOP("Phrases", "This habit feels stronger than my will."),
    };
    return PhraseBlock(__func__, kLines);
}

QString GetStringForPositiveSeq_AddictionsObsessions() {
    static constexpr const char* kLines[] = {
        QT_TRANSLATE_NOOP("Phrases",
                          "Pain is the source of my addiction; I release this pain now."),
        QT_TRANSLATE_NOOP("Phrases", "I notice the craving and I let it pass like a wave."),
        QT_TRANSLATE_NOOP("Phrases", "I can feel an urge without acting on it."),
        QT_TRANSLATE_NOOP("Phrases", "I breathe into the tension and let my body settle."),
        QT_TRANSLATE_NOOP("Phrases", "I forgive myself for every time I gave in."),
        QT_TRANSLATE_NOOP("Phrases", "I am more than this habit."),
        QT_TRANSLATE_NOOP("Phrases", "I meet my hurt with kindness instead of hiding it."),
        // No-break spaces keep "one moment" on one line wherever the text wraps.
        QT_TRANSLATE_NOOP("Phrases",
                          "I choose what is good for me, one\302\240moment\302\240at a time."),
        QT_TRANSLATE_NOOP("Phrases", "I give myself what I really need: rest, comfort and care."),
        QT_TRANSLATE_NOOP("Phrases", "I am allowed to ask for help."),
        QT_TRANSLATE_NOOP("Phrases", "Each small choice I make counts."),
        QT_TRANSLATE_NOOP("Phrases", "My mind can rest on other things."),
        QT_TRANSLATE_NOOP("Phrases", "I am patient with myself when it is hard."),
        QT_TRANSLATE_NOOP("Phrases", "I am learning to live without leaning on it."),
        QT_TRANSLATE_NOOP("Phrases", "I trust that I can get through this day."),
        QT_TRANSLATE_NOOP("Phrases", "I deserve a free and peaceful life."),
    };
    return PhraseBlock(__func__, kLines);
}

QString GetStringForNegativeSeq_AnxietyFearPanicPhobia() {
    static constexpr const char* kLines[] = {
        QT_TRANSLATE_NOOP("Phrases", "I cannot calm myself down."),
        QT_TRANSLATE_NOOP("Phrases", "My heart is racing and I can't catch my breath."),
        QT_TRANSLATE_NOOP("Phrases", "My chest feels tight and my hands are shaking."),
        QT_TRANSLATE_NOOP("Phrases", "I feel dizzy and I'm afraid I will lose control."),
        QT_TRANSLATE_NOOP("Phrases", "I keep waiting for something bad to happen."),
        QT_TRANSLATE_NOOP("Phrases", "My mind jumps from one worry to the next."),
        QT_TRANSLATE_NOOP("Phrases", "I sense danger everywhere, even when I am safe."),
        QT_TRANSLATE_NOOP("Phrases", "I am scared of the fear itself."),
        QT_TRANSLATE_NOOP("Phrases", "I avoid places and people because of this panic."),
        QT_TRANSLATE_NOOP("Phrases", "My stomach is in knots."),
        QT_TRANSLATE_NOOP("Phrases", "I can't sit still; I'm on edge all the time."),
        QT_TRANSLATE_NOOP("Phrases", "I feel trapped and I want to run away."),
        QT_TRANSLATE_NOOP("Phrases", "What if it happens again?"),
        QT_TRANSLATE_NOOP("Phrases", "I'm ashamed that I can't handle this."),
        QT_TRANSLATE_NOOP("Phrases", "This fear keeps me from living my life."),
        QT_TRANSLATE_NOOP("Phrases", "I feel so tense and so alone with this."),
    };
    return PhraseBlock(__func__, kLines);
}

QString GetStringForPositiveSeq_AnxietyFearPanicPhobia() {
    static constexpr const char* kLines[] = {
        QT_TRANSLATE_NOOP("Phrases", "I breathe slowly, deeply and naturally. I remain calm."),
        QT_TRANSLATE_NOOP("Phrases", "With every breath out my body lets go a little more."),
        QT_TRANSLATE_NOOP("Phrases", "My heartbeat slows down and finds its own rhythm."),
        QT_TRANSLATE_NOOP("Phrases", "My shoulders drop and my hands are still."),
        QT_TRANSLATE_NOOP("Phrases", "I am safe in this moment."),
        QT_TRANSLATE_NOOP("Phrases", "I feel my feet on the ground."),
        QT_TRANSLATE_NOOP("Phrases", "Feelings come and go; this one will pass too."),
        QT_TRANSLATE_NOOP("Phrases", "I can notice my fear without obeying it."),
        QT_TRANSLATE_NOOP("Phrases", "I am stronger than this fear."),
        QT_TRANSLATE_NOOP("Phrases", "I accept myself, even when I feel anxious."),
        QT_TRANSLATE_NOOP("Phrases", "I give my mind permission to rest."),
        QT_TRANSLATE_NOOP("Phrases", "I take one small step at a time."),
        QT_TRANSLATE_NOOP("Phrases", "I can handle what comes my way."),
        QT_TRANSLATE_NOOP("Phrases", "I am kind to myself when I feel afraid."),
        QT_TRANSLATE_NOOP("Phrases", "My thoughts slow down and become clear."),
        QT_TRANSLATE_NOOP("Phrases", "Peace and calm are growing inside me."),
    };
    return PhraseBlock(__func__, kLines);
}

QString GetStringForNegativeSeq_Depression() {
    static constexpr const char* kLines[] = {
        QT_TRANSLATE_NOOP("Phrases", "I feel awful. I don't feel safe and sound."),
        QT_TRANSLATE_NOOP("Phrases", "Everything feels heavy and grey."),
        QT_TRANSLATE_NOOP("Phrases", "I have no energy to get out of bed."),
        QT_TRANSLATE_NOOP("Phrases", "Nothing gives me joy anymore."),
        QT_TRANSLATE_NOOP("Phrases", "I feel empty inside."),
        QT_TRANSLATE_NOOP("Phrases", "My body feels tired and slow."),
        QT_TRANSLATE_NOOP("Phrases", "It's hard to think clearly or make decisions."),
        QT_TRANSLATE_NOOP("Phrases", "I feel worthless and useless."),
        QT_TRANSLATE_NOOP("Phrases", "I keep blaming myself for everything."),
        QT_TRANSLATE_NOOP("Phrases", "I don't want to see anyone."),
        QT_TRANSLATE_NOOP("Phrases", "I feel so alone, even with people around me."),
        QT_TRANSLATE_NOOP("Phrases", "I can't remember what it felt like to be happy."),
        QT_TRANSLATE_NOOP("Phrases", "I cry for no reason, or I feel nothing at all."),
        QT_TRANSLATE_NOOP("Phrases", "The days drag on and all look the same."),
        QT_TRANSLATE_NOOP("Phrases", "I can't see a way out of this darkness."),
        QT_TRANSLATE_NOOP("Phrases", "I'm tired of feeling this way."),
    };
    return PhraseBlock(__func__, kLines);
}

QString GetStringForPositiveSeq_Depression() {
    static constexpr const char* kLines[] = {
        QT_TRANSLATE_NOOP("Phrases", "I love myself for who I am. I love myself unconditionally."),
        QT_TRANSLATE_NOOP("Phrases", "I accept how I feel right now, without judging myself."),
        QT_TRANSLATE_NOOP("Phrases", "It is okay to go slowly."),
        QT_TRANSLATE_NOOP("Phrases", "I am gentle with myself today."),
        QT_TRANSLATE_NOOP("Phrases", "I take one small step, and that is enough."),
        QT_TRANSLATE_NOOP("Phrases", "I notice the small good things around me."),
        QT_TRANSLATE_NOOP("Phrases", "I let a little light back into my life."),
        QT_TRANSLATE_NOOP("Phrases", "My feelings are real, and they can change."),
        QT_TRANSLATE_NOOP("Phrases", "I allow myself to rest without guilt."),
        QT_TRANSLATE_NOOP("Phrases", "I reach out to people who care about me."),
        QT_TRANSLATE_NOOP("Phrases", "I deserve kindness, especially from myself."),
        QT_TRANSLATE_NOOP("Phrases", "I am worthy of love and care."),
        QT_TRANSLATE_NOOP("Phrases", "I breathe in hope and breathe out heaviness."),
        QT_TRANSLATE_NOOP("Phrases", "I am more than this feeling."),
        QT_TRANSLATE_NOOP("Phrases", "Every day I find a little more strength."),
        QT_TRANSLATE_NOOP("Phrases", "I open myself to joy again."),
    };
    return PhraseBlock(__func__, kLines);
}

QString GetStringForNegativeSeq_Headaches() {
    static constexpr const char* kLines[] = {
        QT_TRANSLATE_NOOP("Phrases", "I cannot relax beause of this terrible headache."),
        QT_TRANSLATE_NOOP("Phrases", "My head is pounding."),
        QT_TRANSLATE_NOOP("Phrases", "There is pressure behind my eyes."),
        QT_TRANSLATE_NOOP("Phrases", "My temples are throbbing."),
        QT_TRANSLATE_NOOP("Phrases", "My neck and shoulders are stiff and tight."),
        QT_TRANSLATE_NOOP("Phrases", "My jaw is clenched."),
        QT_TRANSLATE_NOOP("Phrases", "Light and noise bother me."),
        QT_TRANSLATE_NOOP("Phrases", "I can't think straight with this pain."),
        QT_TRANSLATE_NOOP("Phrases", "I'm tired of this pain coming back."),
        QT_TRANSLATE_NOOP("Phrases", "I'm afraid it will get worse."),
        QT_TRANSLATE_NOOP("Phrases", "I feel irritable and impatient."),
        QT_TRANSLATE_NOOP("Phrases", "I can't get anything done."),
        QT_TRANSLATE_NOOP("Phrases", "I carry so much tension in my head."),
        QT_TRANSLATE_NOOP("Phrases", "I'm worried about everything I have to do."),
        QT_TRANSLATE_NOOP("Phrases", "I just want this pain to stop."),
    };
    return PhraseBlock(__func__, kLines);
}

QString GetStringForPositiveSeq_Headaches() {
    static constexpr const char* kLines[] = {
        QT_TRANSLATE_NOOP("Phrases", "I'm good. I'm worthy. I'm safe."),
        QT_TRANSLATE_NOOP("Phrases", "I let my forehead soften."),
        QT_TRANSLATE_NOOP("Phrases", "I relax the muscles around my eyes."),
        QT_TRANSLATE_NOOP("Phrases", "I unclench my jaw and let it hang loose."),
        QT_TRANSLATE_NOOP("Phrases", "My neck and shoulders let go of their tension."),
        QT_TRANSLATE_NOOP("Phrases", "I breathe slowly and let my body rest."),
        QT_TRANSLATE_NOOP("Phrases", "I give myself permission to slow down."),
        QT_TRANSLATE_NOOP("Phrases", "I don't have to do everything at once."),
        QT_TRANSLATE_NOOP("Phrases", "I let go of the pressure I put on myself."),
        QT_TRANSLATE_NOOP("Phrases", "I accept this moment as it is."),
        QT_TRANSLATE_NOOP("Phrases", "I listen to what my body needs."),
        QT_TRANSLATE_NOOP("Phrases", "I allow myself to rest in a quiet place."),
        QT_TRANSLATE_NOOP("Phrases", "My breath flows gently through my whole body."),
        QT_TRANSLATE_NOOP("Phrases", "I release the worries I have been holding."),
        QT_TRANSLATE_NOOP("Phrases", "I am calm and patient with myself."),
        QT_TRANSLATE_NOOP("Phrases", "I feel lighter and more at ease."),
    };
    return PhraseBlock(__func__, kLines);
}

QString GetStringForNegativeSeq_NegativeMemory() {
    static constexpr const char* kLines[] = {
        QT_TRANSLATE_NOOP("Phrases", "I cannot deal with my past..."),
        QT_TRANSLATE_NOOP("Phrases", "I'm struggling to live with this..."),
        QT_TRANSLATE_NOOP("Phrases", "I cannot do anything about this..."),
        QT_TRANSLATE_NOOP("Phrases", "I cannot accept what happened..."),
        QT_TRANSLATE_NOOP("Phrases", "I am paralyzed with shame and fear..."),
        QT_TRANSLATE_NOOP("Phrases", "The burden is so heavy..."),
        QT_TRANSLATE_NOOP("Phrases", "I have no peace..."),
        QT_TRANSLATE_NOOP("Phrases", "I cannot move on from the past..."),
        QT_TRANSLATE_NOOP("Phrases", "I cannot let go of this..."),
        QT_TRANSLATE_NOOP("Phrases", "I cannot accept my shame..."),
        QT_TRANSLATE_NOOP("Phrases", "I cannot release this."),
        QT_TRANSLATE_NOOP("Phrases", "How to resolve this?"),
        QT_TRANSLATE_NOOP("Phrases", "I don't feel safe. I keep running away from my past."),
        QT_TRANSLATE_NOOP("Phrases",
                          "It seems that I cannot do anything about this and it's so depressing."),
        QT_TRANSLATE_NOOP("Phrases", "This negative memory... It hurts so much..."),
        QT_TRANSLATE_NOOP("Phrases", "I can't let go of this negative memory..."),
    };
    return PhraseBlock(__func__, kLines);
}

QString GetStringForPositiveSeq_NegativeMemory() {
    static constexpr const char* kLines[] = {
        QT_TRANSLATE_NOOP("Phrases", "I am emotionally detached from what happened."),
        QT_TRANSLATE_NOOP("Phrases", "I look at this as if it happened to someone else."),
        QT_TRANSLATE_NOOP("Phrases", "I am strong enough to deal with this negative memory."),
        QT_TRANSLATE_NOOP("Phrases", "I make peace with my past."),
        QT_TRANSLATE_NOOP("Phrases", "My past has no power over me."),
        QT_TRANSLATE_NOOP("Phrases", "I finally resolved this. I am liberated."),
        QT_TRANSLATE_NOOP("Phrases", "I am calm."),
        QT_TRANSLATE_NOOP("Phrases", "This memory has no longer the power to paralyze me."),
        QT_TRANSLATE_NOOP("Phrases", "I am in control."),
        QT_TRANSLATE_NOOP("Phrases", "I am letting go of this negative memory."),
        QT_TRANSLATE_NOOP("Phrases", "I am moving on with my life."),
        QT_TRANSLATE_NOOP("Phrases", "I let go of my past."),
        QT_TRANSLATE_NOOP("Phrases", "I have learned from my past."),
        QT_TRANSLATE_NOOP("Phrases", "I allow myself to be happy again."),
        QT_TRANSLATE_NOOP("Phrases", "I reclaimed my life."),
        QT_TRANSLATE_NOOP("Phrases", "I am so proud of myself."),
    };
    return PhraseBlock(__func__, kLines);
}

QString GetStringForNegativeSeq_Glossophobia() {
    static constexpr const char* kLines[] = {
        QT_TRANSLATE_NOOP("Phrases", "I freeze in front of the audience."),
        QT_TRANSLATE_NOOP("Phrases", "My mind goes blank when everyone looks at me."),
        QT_TRANSLATE_NOOP("Phrases", "My voice shakes and my mouth goes dry."),
        QT_TRANSLATE_NOOP("Phrases", "My heart pounds and my face turns red."),
        QT_TRANSLATE_NOOP("Phrases", "My hands tremble and I don't know where to put them."),
        QT_TRANSLATE_NOOP("Phrases", "I'm afraid I'll forget what I wanted to say."),
        QT_TRANSLATE_NOOP("Phrases", "I'm sure they will judge me."),
        QT_TRANSLATE_NOOP("Phrases", "I'm afraid of looking foolish."),
        QT_TRANSLATE_NOOP("Phrases", "I dread speaking for days beforehand."),
        QT_TRANSLATE_NOOP("Phrases", "I feel like everyone can see how nervous I am."),
        QT_TRANSLATE_NOOP("Phrases", "I'd rather stay silent than speak up."),
        QT_TRANSLATE_NOOP("Phrases", "I think I am not good enough to speak in public."),
        QT_TRANSLATE_NOOP("Phrases", "I'm afraid of making mistakes."),
        QT_TRANSLATE_NOOP("Phrases", "I rush through my words just to get it over with."),
        QT_TRANSLATE_NOOP("Phrases", "I feel exposed and vulnerable in front of people."),
        QT_TRANSLATE_NOOP("Phrases", "This fear holds me back at work and in life."),
    };
    return PhraseBlock(__func__, kLines);
}

QString GetStringForPositiveSeq_Glossophobia() {
    static constexpr const char* kLines[] = {
        QT_TRANSLATE_NOOP("Phrases", "Meaning what I say is at the heart of my presentation."),
        QT_TRANSLATE_NOOP("Phrases", "I have something worth sharing."),
        QT_TRANSLATE_NOOP("Phrases", "I breathe deeply before I begin."),
        QT_TRANSLATE_NOOP("Phrases", "My feet are firmly on the ground."),
        QT_TRANSLATE_NOOP("Phrases", "I speak slowly and clearly."),
        QT_TRANSLATE_NOOP("Phrases", "My voice is steady and warm."),
        QT_TRANSLATE_NOOP("Phrases", "The audience wants me to do well."),
        QT_TRANSLATE_NOOP("Phrases", "I see friendly faces in the room."),
        QT_TRANSLATE_NOOP("Phrases", "It is okay to pause and gather my thoughts."),
        QT_TRANSLATE_NOOP("Phrases", "A small mistake does not matter; I simply go on."),
        QT_TRANSLATE_NOOP("Phrases", "I prepare well and I trust my preparation."),
        QT_TRANSLATE_NOOP("Phrases", "My nervous energy turns into enthusiasm."),
        QT_TRANSLATE_NOOP("Phrases", "I am myself when I speak."),
        QT_TRANSLATE_NOOP("Phrases", "I accept a little nervousness as natural."),
        QT_TRANSLATE_NOOP("Phrases", "I enjoy connecting with people through my words."),
        QT_TRANSLATE_NOOP("Phrases", "I am calm and confident in front of others."),
    };
    return PhraseBlock(__func__, kLines);
}

QString GetStringForNegativeSeq_RageAnger() {
    static constexpr const char* kLines[] = {
        QT_TRANSLATE_NOOP("Phrases", "So much anger..."),
        QT_TRANSLATE_NOOP("Phrases", "I feel the heat rising in my face."),
        QT_TRANSLATE_NOOP("Phrases", "My jaw is tight and my fists are clenched."),
        QT_TRANSLATE_NOOP("Phrases", "My heart races and my breath gets short."),
        QT_TRANSLATE_NOOP("Phrases", "I explode before I can stop myself."),
        QT_TRANSLATE_NOOP("Phrases", "I say things I regret later."),
        QT_TRANSLATE_NOOP("Phrases", "I can't stop replaying what they did."),
        QT_TRANSLATE_NOOP("Phrases", "I feel treated unfairly."),
        QT_TRANSLATE_NOOP("Phrases", "Nobody listens to me."),
        QT_TRANSLATE_NOOP("Phrases", "Small things set me off."),
        QT_TRANSLATE_NOOP("Phrases", "I'm angry at them and angry at myself."),
        QT_TRANSLATE_NOOP("Phrases", "I feel hurt under all this anger."),
        QT_TRANSLATE_NOOP("Phrases", "This anger pushes away the people I love."),
        QT_TRANSLATE_NOOP("Phrases", "I'm afraid of losing control."),
        QT_TRANSLATE_NOOP("Phrases", "My whole body is tense and ready to fight."),
        QT_TRANSLATE_NOOP("Phrases", "I can't let this go."),
    };
    return PhraseBlock(__func__, kLines);
}

QString GetStringForPositiveSeq_RageAnger() {
    static constexpr const char* kLines[] = {
        QT_TRANSLATE_NOOP("Phrases", "My mind is clear and open."),
        QT_TRANSLATE_NOOP("Phrases", "I take a deep breath before I respond."),
        QT_TRANSLATE_NOOP("Phrases", "I let the heat in my body cool down."),
        QT_TRANSLATE_NOOP("Phrases", "I unclench my fists and relax my jaw."),
        QT_TRANSLATE_NOOP("Phrases", "My anger tells me that something matters to me."),
        QT_TRANSLATE_NOOP("Phrases", "I listen to my anger without letting it rule me."),
        QT_TRANSLATE_NOOP("Phrases", "I can express my needs calmly and firmly."),
        QT_TRANSLATE_NOOP("Phrases", "I choose how I respond."),
        QT_TRANSLATE_NOOP("Phrases", "I acknowledge the hurt beneath my anger."),
        QT_TRANSLATE_NOOP("Phrases", "I forgive myself for past outbursts."),
        QT_TRANSLATE_NOOP("Phrases", "I let go of what I cannot change."),
        QT_TRANSLATE_NOOP("Phrases", "I give others the patience I want for myself."),
        QT_TRANSLATE_NOOP("Phrases", "I have a right to my feelings, and I handle them with care."),
        QT_TRANSLATE_NOOP("Phrases", "Peace is stronger than rage."),
        QT_TRANSLATE_NOOP("Phrases", "I feel calm, steady and in control."),
        QT_TRANSLATE_NOOP("Phrases", "I release this anger now."),
    };
    return PhraseBlock(__func__, kLines);
}

QString GetStringForNegativeSeq_SelfEsteem() {
    static constexpr const char* kLines[] = {
        QT_TRANSLATE_NOOP("Phrases", "I am worried when someone disagrees with me."),
        QT_TRANSLATE_NOOP("Phrases", "I feel I'm not good enough."),
        QT_TRANSLATE_NOOP("Phrases", "I compare myself to others and always lose."),
        QT_TRANSLATE_NOOP("Phrases", "I can't accept a compliment."),
        QT_TRANSLATE_NOOP("Phrases", "I'm afraid people will find out who I really am."),
        QT_TRANSLATE_NOOP("Phrases", "I put everyone else's needs before mine."),
        QT_TRANSLATE_NOOP("Phrases", "I can't say no."),
        QT_TRANSLATE_NOOP("Phrases", "I criticize myself all the time."),
        QT_TRANSLATE_NOOP("Phrases", "My mistakes prove that I'm a failure."),
        QT_TRANSLATE_NOOP("Phrases", "I don't deserve to be happy."),
        QT_TRANSLATE_NOOP("Phrases", "I feel invisible."),
        QT_TRANSLATE_NOOP("Phrases", "I need others' approval to feel okay."),
        QT_TRANSLATE_NOOP("Phrases", "I don't trust my own decisions."),
        QT_TRANSLATE_NOOP("Phrases", "I shrink back and keep my opinions to myself."),
        QT_TRANSLATE_NOOP("Phrases", "I'm ashamed of myself."),
        QT_TRANSLATE_NOOP("Phrases", "I don't like the person I see in the mirror."),
    };
    return PhraseBlock(__func__, kLines);
}

QString GetStringForPositiveSeq_SelfEsteem() {
    static constexpr const char* kLines[] = {
        QT_TRANSLATE_NOOP("Phrases", "I live a life that is true to my own values."),
        QT_TRANSLATE_NOOP("Phrases", "I am enough just as I am."),
        QT_TRANSLATE_NOOP("Phrases", "My worth does not depend on anyone's approval."),
        QT_TRANSLATE_NOOP("Phrases", "I accept compliments with a simple thank you."),
        QT_TRANSLATE_NOOP("Phrases", "I can disagree with someone and still feel secure."),
        QT_TRANSLATE_NOOP("Phrases", "My opinions matter."),
        QT_TRANSLATE_NOOP("Phrases", "I have the right to say no."),
        QT_TRANSLATE_NOOP("Phrases", "I speak to myself with kindness."),
        QT_TRANSLATE_NOOP("Phrases", "My mistakes help me learn and grow."),
        QT_TRANSLATE_NOOP("Phrases", "I deserve love and respect."),
        QT_TRANSLATE_NOOP("Phrases", "I trust my own judgement."),
        QT_TRANSLATE_NOOP("Phrases", "I honour my own needs."),
        QT_TRANSLATE_NOOP("Phrases", "I celebrate my strengths."),
        QT_TRANSLATE_NOOP("Phrases", "I have my own place in this world."),
        QT_TRANSLATE_NOOP("Phrases", "I am proud of who I am becoming."),
        QT_TRANSLATE_NOOP("Phrases", "I like and respect myself."),
    };
    return PhraseBlock(__func__, kLines);
}

QString GetStringForNegativeSeq_Guilt() {
    static constexpr const char* kLines[] = {
        QT_TRANSLATE_NOOP("Phrases", "I feel so guilty. I had no right to do this."),
        QT_TRANSLATE_NOOP("Phrases", "I keep thinking about what I did."),
        QT_TRANSLATE_NOOP("Phrases", "I can't forgive myself."),
        QT_TRANSLATE_NOOP("Phrases", "There is a heavy weight on my chest."),
        QT_TRANSLATE_NOOP("Phrases", "My stomach turns when I remember it."),
        QT_TRANSLATE_NOOP("Phrases", "I should have known better."),
        QT_TRANSLATE_NOOP("Phrases", "I hurt someone and I can't undo it."),
        QT_TRANSLATE_NOOP("Phrases", "I feel I deserve to suffer for this."),
        QT_TRANSLATE_NOOP("Phrases", "I'm ashamed to look people in the eye."),
        QT_TRANSLATE_NOOP("Phrases", "I replay it again and again in my head."),
        QT_TRANSLATE_NOOP("Phrases", "I can't stop asking myself why I did it."),
        QT_TRANSLATE_NOOP("Phrases", "I feel like a bad person."),
        QT_TRANSLATE_NOOP("Phrases", "I don't deserve to feel good."),
        QT_TRANSLATE_NOOP("Phrases", "I carry this guilt everywhere I go."),
        QT_TRANSLATE_NOOP("Phrases", "I'm afraid I will never be free of it."),
        QT_TRANSLATE_NOOP("Phrases", "This guilt keeps me from moving on."),
    };
    return PhraseBlock(__func__, kLines);
}

QString GetStringForPositiveSeq_Guilt() {
    static constexpr const char* kLines[] = {
        QT_TRANSLATE_NOOP("Phrases", "I take responsibility for what I've done and for my life."),
        QT_TRANSLATE_NOOP("Phrases", "I did the best I could with what I knew then."),
        QT_TRANSLATE_NOOP("Phrases", "I have learned from this."),
        QT_TRANSLATE_NOOP("Phrases", "I accept that I am human and I make mistakes."),
        QT_TRANSLATE_NOOP("Phrases", "I make amends where I can."),
        QT_TRANSLATE_NOOP("Phrases", "I let go of what cannot be undone."),
        QT_TRANSLATE_NOOP("Phrases", "I forgive myself."),
        QT_TRANSLATE_NOOP("Phrases", "I release the weight from my chest."),
        QT_TRANSLATE_NOOP("Phrases", "My mistake does not define who I am."),
        QT_TRANSLATE_NOOP("Phrases", "I deserve compassion, even from myself."),
        QT_TRANSLATE_NOOP("Phrases", "I can hold my head up again."),
        QT_TRANSLATE_NOOP("Phrases", "I treat myself the way I would treat a friend."),
        QT_TRANSLATE_NOOP("Phrases", "I choose to do better from now on."),
        QT_TRANSLATE_NOOP("Phrases", "I allow myself to feel at peace."),
        QT_TRANSLATE_NOOP("Phrases", "I deserve to feel good again."),
        QT_TRANSLATE_NOOP("Phrases", "I am free to move on with my life."),
    };
    return PhraseBlock(__func__, kLines);
}

QString GetStringForNegativeSeq_PTSD() {
    static constexpr const char* kLines[] = {
        QT_TRANSLATE_NOOP("Phrases", "I cannot stop thinking about what happened."),
        QT_TRANSLATE_NOOP("Phrases", "It was so unpredictable... so uncontrollable..."),
        QT_TRANSLATE_NOOP("Phrases", "It's so depressing... It is so immobilizing..."),
        QT_TRANSLATE_NOOP("Phrases", "So many things reminds me about this ..."),
        QT_TRANSLATE_NOOP("Phrases", "I cannot concentrate... I feel so frightened..."),
        QT_TRANSLATE_NOOP("Phrases", "All this anxiety... all this shame..."),
        QT_TRANSLATE_NOOP("Phrases", "I keep re-living it again and again..."),
        QT_TRANSLATE_NOOP("Phrases", "Mistrust... Betrayal... It so sad..."),
        QT_TRANSLATE_NOOP("Phrases", "All these memories... flashbacks... nightmares..."),
        QT_TRANSLATE_NOOP("Phrases", "It feels as if it's happening again."),
        QT_TRANSLATE_NOOP("Phrases", "I feel that I have no control over my life."),
        QT_TRANSLATE_NOOP("Phrases", "I want to avoid this... I am always on guard."),
        QT_TRANSLATE_NOOP(
            "Phrases", "It feels so hopeless... It's so hard to sleep... It's so overwhelming..."),
        QT_TRANSLATE_NOOP("Phrases", "It seems that there is no future for me..."),
        QT_TRANSLATE_NOOP("Phrases", "I feel stuck with these painful memories..."),
        QT_TRANSLATE_NOOP("Phrases", "I feel so powerless, anxious and vulnerable"),
        QT_TRANSLATE_NOOP("Phrases", "It's so numb. I feel disconnected from myself."),
    };
    return PhraseBlock(__func__, kLines);
}

QString GetStringForPositiveSeq_PTSD() {
    static constexpr const char* kLines[] = {
        QT_TRANSLATE_NOOP("Phrases", "I release the past and all these bad feelings."),
        QT_TRANSLATE_NOOP("Phrases", "I'm so powerful."),
        QT_TRANSLATE_NOOP("Phrases", "I have the strength to heal my body and mind."),
        QT_TRANSLATE_NOOP("Phrases", "I feel that I'm at home... I'm safe."),
        QT_TRANSLATE_NOOP("Phrases", "I am at ease with myself."),
        QT_TRANSLATE_NOOP("Phrases", "The past has no power over me anymore."),
        QT_TRANSLATE_NOOP("Phrases", "I have great future."),
        QT_TRANSLATE_NOOP("Phrases", "I can cope with this and come back to my real self..."),
        QT_TRANSLATE_NOOP("Phrases", "I am connected to myself and others..."),
        QT_TRANSLATE_NOOP("Phrases", "I trust my inner wisdom..."),
        QT_TRANSLATE_NOOP("Phrases", "My worries don't define me... I love and I'm loved.."),
        QT_TRANSLATE_NOOP("Phrases", "I accept myself the way I am."),
        QT_TRANSLATE_NOOP("Phrases", "I respect myself profoundly."),
        QT_TRANSLATE_NOOP("Phrases", "I am focused on creating better future."),
        QT_TRANSLATE_NOOP("Phrases", "I am moving on with my life."),
        QT_TRANSLATE_NOOP("Phrases", "I allow myself to be happy again."),
    };
    return PhraseBlock(__func__, kLines);
}

}  // namespace mindrova
