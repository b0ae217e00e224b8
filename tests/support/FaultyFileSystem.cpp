#include "tests/support/FaultyFileSystem.h"

#include <algorithm>
#include <utility>

namespace veltrano::test {

namespace {

// A file opened by the real service whose reads pass through the fault plan first.
class FaultyInputFile : public InputFile {
  public:
    FaultyInputFile(FaultyFileSystem& owner, std::string path, std::unique_ptr<InputFile> inner)
        : m_owner(owner), m_path(std::move(path)), m_inner(std::move(inner)) {}

    IoResult read(char* buffer, std::size_t capacity, std::size_t& got) override {
        got = 0;
        if (auto failure = m_owner.enter(FileOperation::Read, m_path)) {
            return *failure;
        }
        return m_inner->read(buffer, capacity, got);
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
        if (auto failure = m_owner.enter(FileOperation::Flush, m_path)) {
            return *failure;
        }
        return m_inner->flush();
    }
    IoResult close() override {
        // close(2) releases the descriptor even when it reports an error.
        IoResult closed = m_inner->close();
        if (auto failure = m_owner.enter(FileOperation::Close, m_path)) {
            return *failure;
        }
        return closed;
    }

  private:
    FaultyFileSystem& m_owner;
    std::string m_path;
    std::unique_ptr<OutputFile> m_inner;
};

}  // namespace

const char* operationName(FileOperation operation) {
    static const char* const kNames[] = {"list folder", "open",  "read",  "create folder",
                                         "create",      "write", "flush", "close",
                                         "rename",      "remove"};
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
        bool hit = false;
        switch (fault.trigger) {
            case Fault::Trigger::NthCall:
                hit = armed.seen == fault.n;
                break;
            case Fault::Trigger::FromNthCall:
                hit = armed.seen >= fault.n;
                break;
            case Fault::Trigger::EveryCallOnPath:
                hit = path == fault.path || (!otherPath.empty() && otherPath == fault.path);
                break;
        }
        ++armed.seen;
        if (hit && !failure) {
            failure = IoResult::fromErrno(fault.errorNumber);
        }
    }
    if (failure) {
        ++m_fired;
    }
    return failure;
}

IoResult FaultyFileSystem::listFolder(const std::string& path, FolderEntries& entries) {
    if (auto failure = enter(FileOperation::ListFolder, path)) {
        entries = FolderEntries{};
        return *failure;
    }
    return FileSystem::listFolder(path, entries);
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
    if (auto failure = enter(FileOperation::CreateFolder, path)) {
        return *failure;
    }
    return FileSystem::createFolder(path);
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
    if (auto failure = enter(FileOperation::Rename, to, from)) {
        return *failure;
    }
    return FileSystem::renameOver(from, to);
}

IoResult FaultyFileSystem::removeFile(const std::string& path) {
    if (auto failure = enter(FileOperation::Remove, path)) {
        return *failure;
    }
    return FileSystem::removeFile(path);
}

}  // namespace veltrano::test
