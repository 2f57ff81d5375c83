// Resource identifiers of the program, shared by the resource script and the C++ code.
#pragma once

#define IDI_SCHULFERIEN 1
// The status pictures, GIF89a files stored as they are (RCDATA): 17 x 17 pixels for 96 DPI,
// and drawn anew at 21, 26, 34 and 43 pixels for 120, 144, 192 and 240 DPI.
#define IDR_PFEIL 101
#define IDR_OK 102
#define IDR_INAKTIV 103
#define IDR_PFEIL_21 111
#define IDR_OK_21 112
#define IDR_INAKTIV_21 113
#define IDR_PFEIL_26 121
#define IDR_OK_26 122
#define IDR_INAKTIV_26 123
#define IDR_PFEIL_34 131
#define IDR_OK_34 132
#define IDR_INAKTIV_34 133
#define IDR_PFEIL_43 141
#define IDR_OK_43 142
#define IDR_INAKTIV_43 143
