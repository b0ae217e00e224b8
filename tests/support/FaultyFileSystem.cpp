#include "tests/support/FaultyFileSystem.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

namespace veltrano::test {

namespace {

// What the next system call under a read or write meets; Fail when it runs as usual.
using Effect = Fault::Effect;

// How many of `size` bytes a system call meeting `effect` moves: -1 for an interruption.
long long bytesMoved(Effect effect, std::size_t size) {
    if (effect == Effect::Interrupt) {
        errno = EINTR;
        return -1;
    }
    const std::size_t moved = effect == Effect::Short && size > 1 ? size / 2 : size;
    return effect == Effect::Nothing ? 0 : static_cast<long long>(moved);
}

// A file opened for reading whose reads pass through the fault plan first.
class FaultyInputFile : public InputFile {
  public:
    FaultyInputFile(FaultyFileSystem& owner, std::string path)
        : m_owner(owner), m_path(std::move(path)) {}

    IoResult read(char* buffer, std::size_t capacity, std::size_t& got) override {
        got = 0;
        const std::optional<Fault> fault = m_owner.enter(FileOperation::Read, m_path);
        if (fault && fault->effect == Effect::Fail) {
            return IoResult::fromErrno(fault->errorNumber);
        }
        m_next = fault ? fault->effect : Effect::Fail;
        return InputFile::read(buffer, capacity, got);
    }

  protected:
    long long readSome(char* buffer, std::size_t capacity) override {
        const long long count = bytesMoved(std::exchange(m_next, Effect::Fail), capacity);
        return count <= 0 ? count : InputFile::readSome(buffer, static_cast<std::size_t>(count));
    }

  private:
    FaultyFileSystem& m_owner;
    std::string m_path;
    Effect m_next = Effect::Fail;
};

class FaultyOutputFile : public OutputFile {
  public:
    FaultyOutputFile(FaultyFileSystem& owner, std::string path)
        : m_owner(owner), m_path(std::move(path)) {}

    IoResult write(const char* data, std::size_t size) override {
        const std::optional<Fault> fault = m_owner.enter(FileOperation::Write, m_path);
        if (fault && fault->effect == Effect::Fail) {
            // The disk took part of the bytes before it refused the rest.
            (void)OutputFile::write(data, size / 2);
            return IoResult::fromErrno(fault->errorNumber);
        }
        m_next = fault ? fault->effect : Effect::Fail;
        return OutputFile::write(data, size);
    }
    IoResult flush() override {
        auto failure = m_owner.failureOf(FileOperation::Flush, m_path);
        return failure ? *failure : OutputFile::flush();
    }
    IoResult close() override {
        // close(2) releases the descriptor even when it reports an error.
        IoResult closed = OutputFile::close();
        auto failure = m_owner.failureOf(FileOperation::Close, m_path);
        return failure ? *failure : closed;
    }

  protected:
    long long writeSome(const char* data, std::size_t size) override {
        const long long count = bytesMoved(std::exchange(m_next, Effect::Fail), size);
        return count <= 0 ? count : OutputFile::writeSome(data, static_cast<std::size_t>(count));
    }

  private:
    FaultyFileSystem& m_owner;
    std::string m_path;
    Effect m_next = Effect::Fail;
};

}  // namespace

const char* operationName(FileOperation operation) {
    static const char* const kNames[] = {"list folder",   "size",   "open",  "read",
                                         "create folder", "create", "write", "flush",
                                         "close",         "rename", "remove"};
    return kNames[static_cast<int>(operation)];
}

void FaultyFileSystem::inject(const Fault& fault) {
    m_faults.push_back({fault, 0});
}

bool FaultyFileSystem::watches(const Fault& fault, FileOperation operation) {
    return fault.operations.empty() || std::find(fault.operations.begin(), fault.operations.end(),
                                                 operation) != fault.operations.end();
}

std::optional<Fault> FaultyFileSystem::enter(FileOperation operation, const std::string& path) {
    m_calls.push_back({operation, path});
    std::optional<Fault> hit;
    for (ArmedFault& armed : m_faults) {
        if (watches(armed.fault, operation) && armed.seen++ == armed.fault.n && !hit) {
            hit = armed.fault;
        }
    }
    m_fired += hit ? 1 : 0;
    return hit;
}

std::optional<IoResult> FaultyFileSystem::failureOf(FileOperation operation,
                                                    const std::string& path) {
    const std::optional<Fault> fault = enter(operation, path);
    return fault ? std::optional(IoResult::fromErrno(fault->errorNumber)) : std::nullopt;
}

IoResult FaultyFileSystem::listFolder(const std::string& path, FolderEntries& entries) {
    entries = FolderEntries{};
    auto failure = failureOf(FileOperation::ListFolder, path);
    return failure ? *failure : FileSystem::listFolder(path, entries);
}

IoResult FaultyFileSystem::fileSize(const std::string& path, std::uintmax_t& size) {
    size = 0;
    auto failure = failureOf(FileOperation::FileSize, path);
    return failure ? *failure : FileSystem::fileSize(path, size);
}

IoResult FaultyFileSystem::openInput(const std::string& path, std::unique_ptr<InputFile>& file) {
    file.reset();
    if (auto failure = failureOf(FileOperation::OpenInput, path)) {
        return *failure;
    }
    auto opened = std::make_unique<FaultyInputFile>(*this, path);
    IoResult result = opened->open(path);
    file = result ? std::move(opened) : nullptr;
    return result;
}

IoResult FaultyFileSystem::createFolder(const std::string& path) {
    auto failure = failureOf(FileOperation::CreateFolder, path);
    return failure ? *failure : FileSystem::createFolder(path);
}

IoResult FaultyFileSystem::createFile(const std::string& path, const std::string& permissionsFrom,
                                      std::unique_ptr<OutputFile>& file) {
    file.reset();
    if (auto failure = failureOf(FileOperation::CreateFile, path)) {
        return *failure;
    }
    auto created = std::make_unique<FaultyOutputFile>(*this, path);
    IoResult result = created->create(path, permissionsFrom);
    file = result ? std::move(created) : nullptr;
    return result;
}

IoResult FaultyFileSystem::renameOver(const std::string& from, const std::string& to) {
    auto failure = failureOf(FileOperation::Rename, to);
    return failure ? *failure : FileSystem::renameOver(from, to);
}

IoResult FaultyFileSystem::removeFile(const std::string& path) {
    auto failure = failureOf(FileOperation::Remove, path);
    return failure ? *failure : FileSystem::removeFile(path);
}

IoResult FaultyFileSystem::flushFolder(const std::string& path) {
    auto failure = failureOf(FileOperation::Flush, path);
    return failure ? *failure : FileSystem::flushFolder(path);
}

std::size_t forEachFailingCall(int errorNumber, const std::function<bool(const Fault&)>& attempt) {
    for (std::size_t n = 0;; ++n) {
        SCOPED_TRACE("call " + std::to_string(n) + " fails");
        if (!attempt({n, {}, {}, errorNumber})) {
            return n;
        }
    }
}

}  // namespace veltrano::test
