// Records every MessageBoxA while alive; test programs never show a dialog.
#pragma once

#include <string>
#include <vector>

struct SMessageBox {
    std::string text;
    std::string caption;
};

class CMessageBoxRecorder {
public:
    CMessageBoxRecorder();
    ~CMessageBoxRecorder();

    std::vector<SMessageBox> boxes;
};
