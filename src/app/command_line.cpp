#include "app/command_line.h"

#include "app/startup.h"
#include "common/random.h"
#include "input/recording.h"
#include "platform/platform.h"

namespace vantor {

void applyCommandLine(const std::string& line) {
    startup.qStartMode = !line.empty() && line[0] == 'Q';
    startup.demo = (!line.empty() && line[0] == '3') || line == kRecordingWord;
    if (!line.empty() && line[0] == '3') {
        OpenRecording("DATA32.RES", false);
        rng.seed(10);
        startup.exitCommand[13] = '4';
    } else {
        rng.seed(platform::system().ticks());
    }
    if (line == kRecordingWord) {
        rng.seed(10);
        OpenRecording("DATA32.RES", true);
    }
}

}  // namespace vantor
