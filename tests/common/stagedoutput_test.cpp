#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "common/stagedoutput.h"

namespace fs = std::filesystem;

// A run stopped from outside while a sheet is being written: the file it was painting
// goes with it, and a signal the process ignores stays ignored.
TEST(StagedOutput, ASignalThatEndsTheProcessRemovesTheStagedFile) {
    const struct {
        int sig;
        bool ignored;
    } cases[] = {{SIGINT, false}, {SIGTERM, false}, {SIGHUP, false}, {SIGTERM, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.sig) + (c.ignored ? " ignored" : ""));
        char folder[] = "/tmp/mx7100-staged-XXXXXX";
        ASSERT_NE(::mkdtemp(folder), nullptr);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            if (c.ignored) ::signal(c.sig, SIG_IGN);
            {
                mx::StagedOutput staged(std::string(folder) + "/sheet.pdf");
                if (std::FILE* f = std::fopen(staged.stagingPath().c_str(), "wb")) {
                    std::fputs("%PDF-1.4 half a sheet", f);
                    std::fclose(f);
                }
                ::raise(c.sig);
            }
            ::_exit(7);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        if (c.ignored) {
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 7);
        } else {
            EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == c.sig);
        }
        EXPECT_TRUE(fs::is_empty(folder)) << fs::directory_iterator(folder)->path();
        fs::remove_all(folder);
    }
}
