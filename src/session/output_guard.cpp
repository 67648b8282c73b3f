// SPDX-License-Identifier: MIT
#include "session/output_guard.h"

#include <sys/stat.h>

namespace keld {

std::vector<InputFile> ProgramFiles(const std::string& databasePath, const std::string& pictureDirectory) {
    return {
        {databasePath, "the performance database the selection reads"},
        {pictureDirectory + "/AHRI.jpg", "a picture the datasheet prints"},
        {pictureDirectory + "/BREXAL.jpg", "a picture the datasheet prints"},
        {pictureDirectory + "/norvex_Min.jpg", "a picture the datasheet prints"},
    };
}

std::string OutputOverAnInput(const std::string& target, const std::vector<InputFile>& inputs) {
    struct stat written {};
    if (stat(target.c_str(), &written) != 0) return {};
    for (const InputFile& input : inputs) {
        struct stat read {};
        if (stat(input.path.c_str(), &read) == 0 && read.st_dev == written.st_dev &&
            read.st_ino == written.st_ino) {
            return "it is " + input.role;
        }
    }
    return {};
}

}  // namespace keld
