#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <cwchar>
#include <cwctype>
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

std::wstring upper(std::wstring text) {
  for (auto& c : text) c = static_cast<wchar_t>(std::towupper(c));
  return text;
}

std::wstring nameOf(const std::wstring& setting) { return upper(setting.substr(0, setting.find(L'=', 1))); }

// This process's environment without NO_COLOR, with `settings` ("NAME=value")
// added or replacing, as the block CreateProcessW takes: sorted by name, case
// ignored, each entry ended by a NUL and the block by one more.
std::wstring environmentBlock(const std::vector<std::string>& settings) {
  std::vector<std::wstring> entries;
  for (const auto& setting : settings) entries.push_back(wide(setting));
  wchar_t* current = GetEnvironmentStringsW();
  for (const wchar_t* entry = current; *entry != L'\0'; entry += std::wcslen(entry) + 1) {
    const std::wstring setting(entry);
    const auto name = nameOf(setting);
    const bool replaced = std::any_of(entries.begin(), entries.begin() + static_cast<std::ptrdiff_t>(settings.size()),
                                      [&](const std::wstring& own) { return nameOf(own) == name; });
    if (name != L"NO_COLOR" && !replaced) entries.push_back(setting);
  }
  FreeEnvironmentStringsW(current);
  std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return nameOf(a) < nameOf(b); });
  std::wstring block;
  for (const auto& entry : entries) block += entry + L'\0';
  return block + L'\0';
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
                         const std::string& argv0, const std::vector<std::string>& environment) {
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

  std::wstring variables = environmentBlock(environment);

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
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, CREATE_UNICODE_ENVIRONMENT,
                        variables.data(), workingDir.c_str(), &startup, &process)) {
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

void setEnvironment(const std::string& name, const std::string& value) { _putenv_s(name.c_str(), value.c_str()); }

// An empty value removes the variable.
void unsetEnvironment(const std::string& name) { _putenv_s(name.c_str(), ""); }

}  // namespace trot::test
