#pragma once
// Dialog templates of the key and macro dialogs, shared by the resource
// script and the code.

#define IDD_SINGLE_KEY 139
#define IDD_MACRO_KEY 141
