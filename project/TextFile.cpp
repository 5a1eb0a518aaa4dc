#include "project/TextFile.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <random>

namespace fs = std::filesystem;

namespace {

std::string sizeInWords(std::uintmax_t bytes)
{
    return std::to_string(bytes) + " bytes (" + std::to_string(bytes / (1024 * 1024)) + " MiB)";
}

std::optional<FileError> writeBytes(const std::string& path, std::string_view text,
                                    const std::string& reportedPath)
{
    errno = 0;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        return FileError::fromErrno(reportedPath, "cannot be created or opened for writing");
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    if (!out)
        return FileError::fromErrno(reportedPath, "could not be written completely");
    return std::nullopt;
}

std::string temporaryNameBeside(const std::string& path)
{
    std::random_device entropy;
    const fs::path target(path);
    return (target.parent_path() /
            ("." + target.filename().string() + ".saving-" + std::to_string(entropy())))
        .string();
}

} // namespace

Expected<std::string> TextFile::read(const std::string& path, std::uintmax_t maxBytes)
{
    std::error_code status;
    if (fs::is_directory(path, status))
        return FileError(path, "is a folder, not a file");
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return FileError::fromErrno(path, "cannot be opened for reading");
    in.seekg(0, std::ios::end);
    const auto size = static_cast<std::uintmax_t>(in.tellg());
    if (size > maxBytes)
        return FileError(path, "is " + sizeInWords(size) + " large; files over " + sizeInWords(maxBytes) +
                                   " are not read");
    in.seekg(0, std::ios::beg);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(size));
    if (!in)
        return FileError::fromErrno(path, "could not be read completely");
    return bytes;
}

// An existing file is overwritten in place and then cut to length instead of being emptied first: the
// file system flushes a file that was emptied and rewritten at once, which made each run wait for the disk.
std::optional<FileError> TextFile::write(const std::string& path, std::string_view text)
{
    std::fstream existing(path, std::ios::binary | std::ios::in | std::ios::out);
    if (!existing)
        return writeBytes(path, text, path);
    existing.write(text.data(), static_cast<std::streamsize>(text.size()));
    existing.close();
    if (!existing)
        return FileError::fromErrno(path, "could not be written completely");
    std::error_code status;
    fs::resize_file(path, text.size(), status);
    if (status)
        return FileError(path, "could not be cut to its new length: " + status.message());
    return std::nullopt;
}

std::optional<FileError> TextFile::replace(const std::string& path, std::string_view text)
{
    std::error_code status;
    if (fs::is_directory(path, status))
        return FileError(path, "is a folder, not a file");
    const std::string temporary = temporaryNameBeside(path);
    if (auto error = writeBytes(temporary, text, path)) {
        fs::remove(temporary, status);
        return error;
    }
    const auto previous = fs::status(path, status);
    if (fs::exists(previous))
        fs::permissions(temporary, previous.permissions(), status);
    std::error_code renamed;
    fs::rename(temporary, path, renamed);
    if (renamed) {
        fs::remove(temporary, status);
        return FileError(path, "could not replace the file: " + renamed.message());
    }
    return std::nullopt;
}
