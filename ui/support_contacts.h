#pragma once
// The program's support contacts. Macros, so that captions in the form
// tables can be composed from literals at compile time.
#define RV_STATIC_SUPPORT "80012345"
#define RV_DYNAMIC_SUPPORT "80067890"
#define RV_TITLE_SUPPORT "80024680"
#define RV_MESSENGER_ID "rovanta_help"
