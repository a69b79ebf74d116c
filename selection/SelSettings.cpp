#include "selection/SelSettings.h"

#include <utility>

namespace {

SelSettingsProvider& Provider() {
    static SelSettingsProvider provider;
    return provider;
}

}  // namespace

SelSettingsProvider SetSelSettingsProvider(SelSettingsProvider provider) {
    SelSettingsProvider previous = std::move(Provider());
    Provider() = std::move(provider);
    return previous;
}

CSelSettings GetSelSettings() {
    if (Provider()) return Provider()();
    return CSelSettings();
}
