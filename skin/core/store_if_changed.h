#pragma once

#include <functional>
#include <utility>

namespace skin {

// The setter every skin object is made of: a value equal to the stored one changes nothing; a different one is
// stored, then the change is reported once.
//
//   void TDrawParam::SetAlpha(uint8_t value) { StoreIfChanged(alpha_, value, [this] { DoChange(); }); }
//
// field is any assignable field, or several at once as std::tie(a, b, ...) given a std::tuple of values (all of
// them are stored when any differs). report is any action. Equality is the field's own ==, so numbers compare
// exactly (the drawing layer's tolerance, draw_compare.h, is for drawing decisions, not for setters); a setter
// that compares otherwise passes same(stored, value). Returns whether the value was stored.
template <class Field, class Value, class Report>
bool StoreIfChanged(Field&& field, Value&& value, Report&& report) {
    if (field == value) return false;
    field = std::forward<Value>(value);
    std::invoke(std::forward<Report>(report));
    return true;
}

template <class Field, class Value, class Report, class Same>
bool StoreIfChanged(Field&& field, Value&& value, Report&& report, Same&& same) {
    if (std::invoke(std::forward<Same>(same), std::as_const(field), std::as_const(value))) return false;
    field = std::forward<Value>(value);
    std::invoke(std::forward<Report>(report));
    return true;
}

}  // namespace skin
