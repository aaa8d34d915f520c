/* Resource identifiers, shared by the resource script and the code. */
#pragma once

#define IDD_ABORT_RETRY 1000
#define IDD_MAIN_WINDOW 1001
#define IDD_PALM_SETUP 1002
#define IDR_BACKDROP 1010
#define IDR_MESSAGE_TABLE 1024
