// Resource identifiers of Brelvin.
#pragma once

// Dialog templates
#define IDD_ABOUTBOX 100
#define IDD_BRELVIN_DIALOG 102

// Icons
#define IDR_MAINFRAME 128

// Controls and child windows
#define IDC_CALENDAR_FRAME 1000
#define IDC_HYPERLINK 1001
#define IDC_CALENDAR_WND 2400

// System menu commands
#define IDM_ABOUTBOX 0x0010

// Strings
#define IDS_ABOUTBOX 101

// Month names, January first, so that a 0-based month is an offset from IDS_JANUARY.
#define IDS_JANUARY 1002
#define IDS_FEBRUARY 1003
#define IDS_MARCH 1004
#define IDS_APRIL 1005
#define IDS_MAY 1006
#define IDS_JUNE 1007
#define IDS_JULY 1008
#define IDS_AUGUST 1009
#define IDS_SEPTEMBER 1010
#define IDS_OCTOBER 1011
#define IDS_NOVEMBER 1012
#define IDS_DECEMBER 1013

// Weekday labels. Thursday's id comes before Wednesday's, so they are not in column order.
#define IDS_SUN 1014
#define IDS_MON 1015
#define IDS_TUE 1016
#define IDS_THU 1017
#define IDS_WED 1018
#define IDS_FRI 1019
#define IDS_SAT 1020

// What screen readers call the calendar, its boxes and the days of the week.
#define IDS_YEAR_CALENDAR 1021
#define IDS_PREVIOUS_YEAR 1022
#define IDS_NEXT_YEAR 1023
#define IDS_SUNDAY 1024
#define IDS_MONDAY 1025
#define IDS_TUESDAY 1026
#define IDS_WEDNESDAY 1027
#define IDS_THURSDAY 1028
#define IDS_FRIDAY 1029
#define IDS_SATURDAY 1030

// Version information
#define VS_VERSION_INFO 1

// The maker's web page: the link text of the About box and the address of both links.
#define BRELVIN_WEB_ADDRESS "https://www.brelvin.example/"
