// The string table.
#include "platform/core/AfxResource.h"
#include "res/resource.h"

namespace {

const AFX_RESOURCE s_stringTable[] = {
    {RT_STRING, IDS_ABOUTBOX, "&About Brelvin..."},
    {RT_STRING, IDS_JANUARY, "January "},
    {RT_STRING, IDS_FEBRUARY, "February"},
    {RT_STRING, IDS_MARCH, "March"},
    {RT_STRING, IDS_APRIL, "April"},
    {RT_STRING, IDS_MAY, "May"},
    {RT_STRING, IDS_JUNE, "June"},
    {RT_STRING, IDS_JULY, "July"},
    {RT_STRING, IDS_AUGUST, "August"},
    {RT_STRING, IDS_SEPTEMBER, "September"},
    {RT_STRING, IDS_OCTOBER, "October"},
    {RT_STRING, IDS_NOVEMBER, "November"},
    {RT_STRING, IDS_DECEMBER, "December"},
    {RT_STRING, IDS_SUN, "Sun"},
    {RT_STRING, IDS_MON, "Mon"},
    {RT_STRING, IDS_TUE, "Tue"},
    {RT_STRING, IDS_THU, "Thr"},
    {RT_STRING, IDS_WED, "We"},
    {RT_STRING, IDS_FRI, "Fri"},
    {RT_STRING, IDS_SAT, "Sat"},
    {RT_STRING, IDS_YEAR_CALENDAR, "Year calendar"},
    {RT_STRING, IDS_PREVIOUS_YEAR, "Previous year"},
    {RT_STRING, IDS_NEXT_YEAR, "Next year"},
    {RT_STRING, IDS_SUNDAY, "Sunday"},
    {RT_STRING, IDS_MONDAY, "Monday"},
    {RT_STRING, IDS_TUESDAY, "Tuesday"},
    {RT_STRING, IDS_WEDNESDAY, "Wednesday"},
    {RT_STRING, IDS_THURSDAY, "Thursday"},
    {RT_STRING, IDS_FRIDAY, "Friday"},
    {RT_STRING, IDS_SATURDAY, "Saturday"},
};

const AFX_RESOURCE_INIT s_stringTableInit(s_stringTable, sizeof(s_stringTable) / sizeof(s_stringTable[0]));

}  // namespace
