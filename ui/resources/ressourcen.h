// Resource identifiers of the program, shared by the resource script and the C++ code.
#pragma once

#define IDI_SCHULFERIEN 1
// The status pictures, GIF89a files stored as they are (RCDATA).
#define IDR_PFEIL 101
#define IDR_OK 102
#define IDR_INAKTIV 103
