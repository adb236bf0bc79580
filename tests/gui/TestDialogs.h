/* A dialog template that exists only in the GUI test program: the three-dimensional buttons. */
#pragma once

#define IDC_TEST_3D_RAISED 401
#define IDC_TEST_3D_PRESSED 402
#define IDC_TEST_3D_FOCUSED 403
#define IDC_TEST_3D_GREYED 404
