#pragma once
// One procedure per issue key and polarity; only the sequence dispatchers call them.

#include <QString>

namespace mindrova {

QString GetStringForNegativeSeq_AddictionsObsessions();
QString GetStringForPositiveSeq_AddictionsObsessions();
QString GetStringForNegativeSeq_AnxietyFearPanicPhobia();
QString GetStringForPositiveSeq_AnxietyFearPanicPhobia();
QString GetStringForNegativeSeq_Depression();
QString GetStringForPositiveSeq_Depression();
QString GetStringForNegativeSeq_Headaches();
QString GetStringForPositiveSeq_Headaches();
QString GetStringForNegativeSeq_NegativeMemory();
QString GetStringForPositiveSeq_NegativeMemory();
QString GetStringForNegativeSeq_Glossophobia();
QString GetStringForPositiveSeq_Glossophobia();
QString GetStringForNegativeSeq_RageAnger();
QString GetStringForPositiveSeq_RageAnger();
QString GetStringForNegativeSeq_SelfEsteem();
QString GetStringForPositiveSeq_SelfEsteem();
QString GetStringForNegativeSeq_Guilt();
QString GetStringForPositiveSeq_Guilt();
QString GetStringForNegativeSeq_PTSD();
QString GetStringForPositiveSeq_PTSD();

}  // namespace mindrova
