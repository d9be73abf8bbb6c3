#include "message_boxes.h"

#include "platform/host.h"

namespace {
// Runs before the demo's static objects, whose constructors may already show a
// message box (the flash list), so a test program never waits on a dialog.
struct SStderrBoxesFirst {
    SStderrBoxesFirst() { hostUseStderrMessageBoxes(); }
};
__attribute__((init_priority(101))) SStderrBoxesFirst g_stderrBoxesFirst;
}  // namespace

CMessageBoxRecorder::CMessageBoxRecorder()
{
    hostSetMessageBoxSink([this](const std::string &text, const std::string &caption) {
        boxes.push_back({text, caption});
    });
}

CMessageBoxRecorder::~CMessageBoxRecorder()
{
    hostSetMessageBoxSink(nullptr);
    hostUseStderrMessageBoxes();
}
