#pragma once
// The date type: a real counting days from 30 December 1899, its fraction
// being the time of day.

namespace orvane {

// Proleptic Gregorian calendar; valid for years 100..9999.
bool isValidDate(int year, int month, int day);
double dateSerial(int year, int month, int day);
void dateParts(double date, int &year, int &month, int &day);
// Whole calendar days from 1 January 1900 to the day of `date` (negative
// before 1900); the time of day does not count.
long long daysFrom1900(double date);

} // namespace orvane
