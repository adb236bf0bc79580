/* Dialog templates that exist only in the GUI test program, to exercise the runtime. */
#pragma once

#define IDC_TEST_EDIT 201
#define IDC_TEST_LABEL 202
#define IDC_TEST_LIST 203
#define IDC_TEST_BUTTON 204
#define IDC_TEST_UNSTYLED 205
#define IDC_TEST_3D_RAISED 401
#define IDC_TEST_3D_PRESSED 402
#define IDC_TEST_3D_FOCUSED 403
#define IDC_TEST_3D_GREYED 404
