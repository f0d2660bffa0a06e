#include "widgets/listeners.hpp"

namespace zelkor {
namespace {

template <class T>
void AppendTo(std::vector<T*>& list, const std::vector<T*>& more) {
    list.insert(list.end(), more.begin(), more.end());
}

}  // namespace

void Listeners::append(const Listeners& other) {
    AppendTo(reset, other.reset);
    AppendTo(load, other.load);
    AppendTo(unitChange, other.unitChange);
    AppendTo(elementPick, other.elementPick);
    AppendTo(relativisticStart, other.relativisticStart);
    AppendTo(angleChoice, other.angleChoice);
}

void Listeners::resetForLoad() const {
    for (ResetListener* listener : reset) listener->resetForLoad();
}

void Listeners::loaded(SourceKind kind) const {
    for (LoadListener* listener : load) listener->loaded(kind);
}

void Listeners::unitsChanged() const {
    for (UnitListener* listener : unitChange) listener->unitsChanged();
}

void Listeners::elementPicked(const ElementEntry& entry) const {
    for (ElementPickListener* listener : elementPick) listener->elementPicked(entry);
}

void Listeners::relativisticStarted() const {
    for (RelativisticStartListener* listener : relativisticStart) listener->relativisticStarted();
}

void Listeners::switchAngleChoices(bool enabled) const {
    for (AngleChoiceListener* listener : angleChoice) listener->switchAngleChoices(enabled);
}

}  // namespace zelkor
