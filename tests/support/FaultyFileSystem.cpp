#include "tests/support/FaultyFileSystem.h"

#include <algorithm>
#include <utility>

namespace veltrano::test {

namespace {

// A file opened by the real service whose steps pass through the fault plan first.
class FaultyInputFile : public InputFile {
  public:
    FaultyInputFile(FaultyFileSystem& owner, std::string path, std::unique_ptr<InputFile> inner)
        : m_owner(owner), m_path(std::move(path)), m_inner(std::move(inner)) {}

    IoResult read(char* buffer, std::size_t capacity, std::size_t& got) override {
        got = 0;
        auto failure = m_owner.enter(FileOperation::Read, m_path);
        return failure ? *failure : m_inner->read(buffer, capacity, got);
    }

  private:
    FaultyFileSystem& m_owner;
    std::string m_path;
    std::unique_ptr<InputFile> m_inner;
};

class FaultyOutputFile : public OutputFile {
  public:
    FaultyOutputFile(FaultyFileSystem& owner, std::string path, std::unique_ptr<OutputFile> inner)
        : m_owner(owner), m_path(std::move(path)), m_inner(std::move(inner)) {}

    IoResult write(const char* data, std::size_t size) override {
        if (auto failure = m_owner.enter(FileOperation::Write, m_path)) {
            // The disk took part of the bytes before it refused the rest.
            (void)m_inner->write(data, size / 2);
            return *failure;
        }
        return m_inner->write(data, size);
    }
    IoResult flush() override {
        auto failure = m_owner.enter(FileOperation::Flush, m_path);
        return failure ? *failure : m_inner->flush();
    }
    IoResult close() override {
        // close(2) releases the descriptor even when it reports an error.
        IoResult closed = m_inner->close();
        auto failure = m_owner.enter(FileOperation::Close, m_path);
        return failure ? *failure : closed;
    }

  private:
    FaultyFileSystem& m_owner;
    std::string m_path;
    std::unique_ptr<OutputFile> m_inner;
};

}  // namespace

const char* operationName(FileOperation operation) {
    static const char* const kNames[] = {"list folder",   "size",   "open",  "read",
                                         "create folder", "create", "write", "flush",
                                         "close",         "rename", "remove"};
    return kNames[static_cast<int>(operation)];
}

bool changesDisk(FileOperation operation) {
    return operation >= FileOperation::CreateFolder && operation <= FileOperation::Rename;
}

void FaultyFileSystem::inject(const Fault& fault) {
    m_faults.push_back({fault, 0});
}

bool FaultyFileSystem::watches(const Fault& fault, FileOperation operation) {
    return fault.operations.empty() || std::find(fault.operations.begin(), fault.operations.end(),
                                                 operation) != fault.operations.end();
}

std::optional<IoResult> FaultyFileSystem::enter(FileOperation operation, const std::string& path,
                                                const std::string& otherPath) {
    m_calls.push_back({operation, path, otherPath});
    std::optional<IoResult> failure;
    for (ArmedFault& armed : m_faults) {
        const Fault& fault = armed.fault;
        if (!watches(fault, operation)) {
            continue;
        }
        const std::size_t seen = armed.seen++;
        const bool onPath = path == fault.path || (!otherPath.empty() && otherPath == fault.path);
        const bool hit = fault.trigger == Fault::Trigger::NthCall       ? seen == fault.n
                         : fault.trigger == Fault::Trigger::FromNthCall ? seen >= fault.n
                                                                        : onPath;
        if (hit && !failure) {
            failure = IoResult::fromErrno(fault.errorNumber);
        }
    }
    m_fired += failure ? 1 : 0;
    return failure;
}

IoResult FaultyFileSystem::listFolder(const std::string& path, FolderEntries& entries) {
    if (auto failure = enter(FileOperation::ListFolder, path)) {
        entries = FolderEntries{};
        return *failure;
    }
    return FileSystem::listFolder(path, entries);
}

IoResult FaultyFileSystem::fileSize(const std::string& path, std::uintmax_t& size) {
    if (auto failure = enter(FileOperation::FileSize, path)) {
        size = 0;
        return *failure;
    }
    return FileSystem::fileSize(path, size);
}

IoResult FaultyFileSystem::openInput(const std::string& path, std::unique_ptr<InputFile>& file) {
    file.reset();
    if (auto failure = enter(FileOperation::OpenInput, path)) {
        return *failure;
    }
    std::unique_ptr<InputFile> inner;
    IoResult opened = FileSystem::openInput(path, inner);
    if (opened) {
        file = std::make_unique<FaultyInputFile>(*this, path, std::move(inner));
    }
    return opened;
}

IoResult FaultyFileSystem::createFolder(const std::string& path) {
    auto failure = enter(FileOperation::CreateFolder, path);
    return failure ? *failure : FileSystem::createFolder(path);
}

IoResult FaultyFileSystem::createFile(const std::string& path, const std::string& permissionsFrom,
                                      std::unique_ptr<OutputFile>& file) {
    file.reset();
    if (auto failure = enter(FileOperation::CreateFile, path)) {
        return *failure;
    }
    std::unique_ptr<OutputFile> inner;
    IoResult created = FileSystem::createFile(path, permissionsFrom, inner);
    if (created) {
        file = std::make_unique<FaultyOutputFile>(*this, path, std::move(inner));
    }
    return created;
}

IoResult FaultyFileSystem::renameOver(const std::string& from, const std::string& to) {
    auto failure = enter(FileOperation::Rename, to, from);
    return failure ? *failure : FileSystem::renameOver(from, to);
}

IoResult FaultyFileSystem::removeFile(const std::string& path) {
    auto failure = enter(FileOperation::Remove, path);
    return failure ? *failure : FileSystem::removeFile(path);
}

}  // namespace veltrano::test
