#pragma once
// Switches for the end-to-end tests, read from the environment (the program
// itself reads no arguments). Without them nothing here runs.
#include "app/app.h"

namespace rv::win32 {

// ROVANTA_TEST_LOG_LINES=N [ROVANTA_TEST_LOG_WORKERS=K]: K workers (default 4)
// append N lines in all, "w<k> line <i>" each, to the results log of the main
// window that start-up presented.
//
// ROVANTA_TEST_IP_ECHO_PAGE_A=URL, ROVANTA_TEST_IP_ECHO_SERVICE_B=URL: the
// public IP query asks these instead of the configured IP-echo endpoints.
//
// ROVANTA_TEST_STRESS=N: 4 workers each write the message line N times, append
// N lines "s<k> <i>" to the results log and flip a check box, while this (the
// UI) thread first sits in a pumping wait of 1 s and then in a modal notice
// "压力测试"; the last worker to finish writes "全部写完" in forest green.
void StartTestSwitches(App& app);

}  // namespace rv::win32
