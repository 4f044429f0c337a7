/* Stand-in for the platform's <windows.h> on Linux: the Win32 subset the native build of the setup library uses. */
#ifndef WIN32_STANDIN_WINDOWS_H
#define WIN32_STANDIN_WINDOWS_H

#include "win32/types.h"
#include "win32/user_constants.h"
#include "win32/gdi_constants.h"
#include "win32/user.h"
#include "win32/gdi.h"
#include "win32/kernel.h"
#include "win32/ansi_names.h"

#endif
