#include "app/feature_parts.h"

#include <utility>

namespace mindrova {

std::vector<WindowPartMaker> FeatureParts(FeatureServices services) {
    return {JournalItemsPart(std::move(services.journal)),
            SpokenGuidancePart(std::move(services.speech)),
            DisplayChoicesPart(std::move(services.display)),
            PersonalSessionsPart(std::move(services.personal))};
}

}  // namespace mindrova
