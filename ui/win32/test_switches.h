#pragma once
// Switches for the end-to-end tests, read from the environment (the program
// itself reads no arguments). Without them nothing here runs.
#include "app/app.h"

namespace rv::win32 {

// ROVANTA_TEST_LOG_LINES=N [ROVANTA_TEST_LOG_WORKERS=K]: K workers (default 4)
// append N lines in all, "w<k> line <i>" each, to the results log of the main
// window that start-up presented.
// ROVANTA_TEST_IP_ECHO_PAGE_A=URL, ROVANTA_TEST_IP_ECHO_SERVICE_B=URL: the
// public IP query asks these instead of the configured IP-echo endpoints.
void StartTestSwitches(App& app);

}  // namespace rv::win32
