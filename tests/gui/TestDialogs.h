/* Dialog templates that exist only in the GUI test program, to exercise the runtime. */
#pragma once

#define IDC_TEST_EDIT 201
#define IDC_TEST_LABEL 202
#define IDC_TEST_LIST 203
#define IDC_TEST_BUTTON 204
#define IDC_TEST_QUANTITY 301
#define IDC_TEST_VALUE 302
#define IDC_TEST_MAIN 303
