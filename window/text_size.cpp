#include "window/text_size.h"

#include "support/settings_store.h"

namespace mindrova {
namespace {

QString DisplayKey() {
    return QString(PROGRAM_KEY) + QStringLiteral("\\Display");
}

QString TextScaleName() {
    return QStringLiteral("TextScale");
}

}  // namespace

int ValidTextScale(int percent) {
    return percent >= TEXT_SCALE_MIN && percent <= TEXT_SCALE_MAX ? percent : TEXT_SCALE_DEFAULT;
}

int LoadTextScale() {
    return ValidTextScale(
        ReadDWordValue(RegistryRoot::HKEY_CURRENT_USER, DisplayKey(), TextScaleName(), TEXT_SCALE_DEFAULT));
}

bool SaveTextScale(int percent) {
    return SaveDWordValue(RegistryRoot::HKEY_CURRENT_USER, DisplayKey(), TextScaleName(),
                          ValidTextScale(percent)) == SAVE_SUCCEEDED;
}

}  // namespace mindrova
