#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "skin/core/base_log.h"

namespace skin {

// Switches the file of the process-wide log on, into a fresh folder of its own, for the life of the object, and
// reads back what reached the file. The log's folder and switch are put back at the end.
class GlobalLogFile {
public:
    explicit GlobalLogFile(const std::string& folderName)
        : log_(GetGlobalLog()),
          dir_(std::filesystem::temp_directory_path() / folderName),
          oldDir_(log_.LogDir()),
          wasWriting_(log_.IsWriteLog) {
        std::filesystem::remove_all(dir_);
        log_.SetLogDir(dir_);
        log_.IsWriteLog = true;
    }
    GlobalLogFile(const GlobalLogFile&) = delete;
    GlobalLogFile& operator=(const GlobalLogFile&) = delete;
    ~GlobalLogFile() {
        log_.IsWriteLog = wasWriting_;
        log_.SetLogDir(oldDir_);
        std::error_code error;
        std::filesystem::remove_all(dir_, error);
    }

    // The lines of the file written so far, without their CR LF; a last line without one ends the list as it is.
    std::vector<std::string> Lines() const {
        std::ifstream file(log_.LogFilePath(), std::ios::binary);
        std::stringstream content;
        content << file.rdbuf();
        const std::string text = content.str();
        std::vector<std::string> lines;
        size_t start = 0;
        for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
            lines.push_back(text.substr(start, end - start));
        }
        if (start < text.size()) lines.push_back(text.substr(start));
        return lines;
    }

private:
    TBaseLog& log_;
    std::filesystem::path dir_;
    std::filesystem::path oldDir_;
    bool wasWriting_;
};

}  // namespace skin
