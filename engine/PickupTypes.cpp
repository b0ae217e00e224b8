#include "engine/PickupTypes.h"

#include <array>

namespace veltrano {

namespace {

constexpr std::array<PickupType, 8> kTypes{{
    {1, 80, u"   G\u00fcter - Getreide", u"     Freight-grain", false},
    {2, 100, u"      G\u00fcter - Kohle", u"      Freight-coal", false},
    {3, 180, u"       G\u00fcter - Kies", u"    Freight-gravel", false},
    {4, 200, u"       G\u00fcter - Sand", u"      Freight-sand", false},
    {5, 280, u"Treibstoff - Wasser", u"        Fuel-water", true},
    {6, 300, u" Treibstoff - Kohle", u"         Fuel-coal", true},
    {7, 380, u"Treibstoff - Diesel", u"       Fuel-diesel", true},
    {8, 400, u"   Sonderzug - Post", u"Special train mail", false},
}};
constexpr const char16_t* kOtherGerman = u"              G\u00fcter";
constexpr const char16_t* kOtherEnglish = u"           Freight";

}  // namespace

const PickupType* PickupTypes::withNumber(long long number) {
    for (const PickupType& type : kTypes) {
        if (type.number == number) {
            return &type;
        }
    }
    return nullptr;
}

const PickupType* PickupTypes::withNumberOrCode(long long value) {
    for (const PickupType& type : kTypes) {
        if (type.number == value || type.code == value) {
            return &type;
        }
    }
    return nullptr;
}

std::u16string PickupTypes::name(const PickupType* type, bool german) {
    if (!type) {
        return german ? kOtherGerman : kOtherEnglish;
    }
    return german ? type->german : type->english;
}

std::u16string PickupTypes::codeText(const PickupType* type) {
    const long long code = type ? type->code : 0;
    std::u16string digits;
    for (long long rest = code; digits.size() < 3; rest /= 10) {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + rest % 10));
    }
    return digits;
}

}  // namespace veltrano
