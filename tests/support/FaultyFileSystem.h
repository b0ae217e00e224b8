#pragma once

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace veltrano::test {

// The operations of the file-system service that can fail on a real disk.
enum class FileOperation {
    ListFolder,
    FileSize,
    OpenInput,
    Read,
    CreateFolder,
    CreateFile,
    Write,
    Flush,
    Close,
    Rename,
    Remove
};

const char* operationName(FileOperation operation);

// One call of an operation, as the file system saw it.
struct FileCall {
    FileOperation operation;
    std::string path;  // for Rename the target
};

// Which call a fault hits (the n-th, from 0, of the operations it watches) and what it does.
struct Fault {
    // What a hit call of Read or Write meets in its first system call; any other operation
    // always fails.
    enum class Effect {
        Fail,       // the call fails with errorNumber
        Interrupt,  // a signal interrupts it (EINTR) before it moves a byte
        Short,      // it moves half of the bytes (at least one)
        Nothing     // it moves no byte and reports no error
    };
    std::size_t n = 0;
    // The operations the fault watches; empty watches all of them.
    std::vector<FileOperation> operations;
    Effect effect = Effect::Fail;
    int errorNumber = EIO;
};

// The real file system, recording every call of a failable operation and failing the calls a
// test asks for with a real errno. A failing write first writes half of its bytes, as a disk
// that fills up does; a failing read delivers nothing. Files opened through it report their
// reads, writes, flushes and closes to it, so those fail like the operations of the service,
// and a read or write can meet the odd answers of the system call under it. A folder's flush
// counts as a flush.
class FaultyFileSystem : public FileSystem {
  public:
    void inject(const Fault& fault);
    const std::vector<FileCall>& calls() const { return m_calls; }
    // How many calls a fault has hit so far.
    std::size_t faultsFired() const { return m_fired; }

    IoResult listFolder(const std::string& path, FolderEntries& entries) override;
    IoResult fileSize(const std::string& path, std::uintmax_t& size) override;
    IoResult openInput(const std::string& path, std::unique_ptr<InputFile>& file) override;
    IoResult createFolder(const std::string& path) override;
    IoResult createFile(const std::string& path, const std::string& permissionsFrom,
                        std::unique_ptr<OutputFile>& file) override;
    IoResult renameOver(const std::string& from, const std::string& to) override;
    IoResult removeFile(const std::string& path) override;
    IoResult flushFolder(const std::string& path) override;

    // Records a call; the fault that hits it, if one does.
    std::optional<Fault> enter(FileOperation operation, const std::string& path);
    // Records a call; the failure to report when a fault hits it.
    std::optional<IoResult> failureOf(FileOperation operation, const std::string& path);

  private:
    struct ArmedFault {
        Fault fault;
        std::size_t seen = 0;
    };

    static bool watches(const Fault& fault, FileOperation operation);

    std::vector<ArmedFault> m_faults;
    std::vector<FileCall> m_calls;
    std::size_t m_fired = 0;
};

// Runs `attempt` with a fault of `errorNumber` on its first call, then on its second, and so on,
// until `attempt` says its fault hit no call; returns how many calls failed in turn.
std::size_t forEachFailingCall(int errorNumber, const std::function<bool(const Fault&)>& attempt);

}  // namespace veltrano::test
