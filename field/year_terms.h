#pragma once
// The sun's slowly changing terms for a year and two days either side,
// shared by the card and the sun's year so that each is evaluated once.
#include "sky/daily_terms.h"
#include "sky/sun.h"

#include <memory>

namespace orvane {

// With `evaluate` false, none if the year's are not at hand.
std::shared_ptr<const sky::DailyTermsTable> yearTerms(int year, bool evaluate = true);

// The sun's declination (degrees) at its upper transit, from where it stands.
double transitDeclination(const sky::SunEvent &transit, double latitude);

} // namespace orvane
