// The table of level kinds the flow can play.
#include "progress/FlowLevel.h"

#include <map>

namespace {

std::map<std::string, TLevelKind>& kinds() {
    static std::map<std::string, TLevelKind> table;
    return table;
}

}  // namespace

const TLevelKind* levelKind(const std::string& gameType) {
    const auto it = kinds().find(gameType);
    return it == kinds().end() ? nullptr : &it->second;
}

void registerLevelKind(const std::string& gameType, TLevelKind kind) {
    kinds()[gameType] = std::move(kind);
}

void unregisterLevelKinds() {
    kinds().clear();
}
