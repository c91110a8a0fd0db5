#include <windows.h>

#include <stdexcept>

#include "tests/support/process.hpp"
#include "tests/support/temp_dir.hpp"

namespace trot::test {

namespace {

// One argument as the C runtime's command-line parser reads it back:
// backslashes are literal except before a double quote.
void appendQuoted(std::wstring& line, const std::wstring& argument) {
  if (!argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring::npos) {
    line += argument;
    return;
  }
  line += L'"';
  std::size_t backslashes = 0;
  for (const wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    line.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    line += c;
  }
  line.append(backslashes * 2, L'\\');
  line += L'"';
}

// Broken UTF-8 becomes U+FFFD: a Windows command line holds UTF-16 only.
std::wstring wide(const std::string& utf8) {
  const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring text(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text.data(), size);
  return text;
}

class Handle {
 public:
  Handle(const std::filesystem::path& path, DWORD access, DWORD disposition) {
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    handle_ = CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, disposition,
                          FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle_ == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot open " + path.string());
  }
  ~Handle() { CloseHandle(handle_); }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

}  // namespace

ProcessResult runProgram(const std::filesystem::path& program, const std::vector<std::string>& args,
                         const std::filesystem::path& workingDir, const std::string& input,
                         const std::string& argv0) {
  // Standard streams go through files so that large outputs cannot block.
  TempDir scratch;
  const auto inPath = scratch.write("stdin", input);
  const auto outPath = scratch / "stdout";
  const auto errPath = scratch / "stderr";

  std::wstring commandLine;
  appendQuoted(commandLine, argv0.empty() ? program.wstring() : wide(argv0));
  for (const auto& arg : args) {
    commandLine += L' ';
    appendQuoted(commandLine, wide(arg));
  }

  PROCESS_INFORMATION process{};
  {
    const Handle in(inPath, GENERIC_READ, OPEN_EXISTING);
    const Handle out(outPath, GENERIC_WRITE, CREATE_ALWAYS);
    const Handle err(errPath, GENERIC_WRITE, CREATE_ALWAYS);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = in.get();
    startup.hStdOutput = out.get();
    startup.hStdError = err.get();
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                        workingDir.c_str(), &startup, &process)) {
      throw std::runtime_error("cannot start " + program.string());
    }
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);

  ProcessResult result;
  result.out = readFile(outPath);
  result.err = readFile(errPath);
  // A POSIX shell sees the low byte of the exit code: -1 arrives as 255.
  result.status = static_cast<int>(code & 0xFF);
  return result;
}

void installUnderName(const std::filesystem::path& program, const std::filesystem::path& name) {
  std::filesystem::copy_file(program, name, std::filesystem::copy_options::overwrite_existing);
}

}  // namespace trot::test
