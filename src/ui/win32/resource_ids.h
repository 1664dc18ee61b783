// Ids of the program's Win32 resources, shared by the resource script and the code.
#pragma once

#define IDI_TQ58 1
