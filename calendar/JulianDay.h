// Day numbers: consecutive integers for consecutive days, 2451545 on 1 January 2000.
#pragma once

// nMonth 1..12. Dates before 15 October 1582 count in the Julian calendar, later ones in
// the Gregorian. Years are astronomical: there is a year 0.
int GetJulianDay(int nMonth, int nDay, int nYear);
