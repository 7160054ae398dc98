#include "core/whole_file.h"

#include <cerrno>
#include <cstdio>

#include "core/app_core.h"
#include "core/file_error.h"

namespace zel {
namespace {

int LastError() { return errno != 0 ? errno : EIO; }

// Writes data to a temporary file and puts it in place of path; each step's
// code goes to `report` in order (rewrite, write, close).
template <typename Report>
bool WriteReplacing(Seam& os, const std::string& path, std::string_view data, bool stopEarly,
                    Report&& report) {
  const std::string temp = path + ".tmp";
  errno = 0;
  std::FILE* f = os.OpenStream(temp, "wb");
  int code = f ? 0 : LastError();
  bool failed = report(0, code);
  if (failed && stopEarly) return true;

  errno = 0;
  code = 0;
  if (!f) {
    code = EBADF;
  } else if ((!data.empty() && std::fwrite(data.data(), 1, data.size(), f) != data.size()) ||
             std::fflush(f) != 0) {
    code = LastError();
  }
  if (report(1, code)) failed = true;
  if (failed && stopEarly) {
    if (f) std::fclose(f);
    os.RemoveFile(temp);
    return true;
  }

  errno = 0;
  code = 0;
  if (!f) {
    code = EBADF;
  } else if (std::fclose(f) != 0) {
    code = LastError();
  } else if (!failed) {
    code = os.CommitFile(temp, path);
  }
  if (report(2, code)) failed = true;
  if (failed) os.RemoveFile(temp);
  return failed;
}

}  // namespace

bool SaveWholeFile(AppCore& app, const std::string& path, std::string_view data,
                   const SaveSteps& steps) {
  app.Os.SetAttributes(path, kAttrNormal);
  const std::string_view names[3] = {steps.Rewrite, steps.Write, steps.Close};
  return WriteReplacing(app.Os, path, data, steps.StopAtFirstFailure,
                        [&](int step, int code) { return ReportFileError(app, code, names[step]); });
}

bool WriteWholeFile(Seam& os, const std::string& path, std::string_view data, bool* notCreated) {
  if (notCreated) *notCreated = false;
  return WriteReplacing(os, path, data, true, [&](int step, int code) {
    if (step == 0 && code != 0 && notCreated) *notCreated = true;
    return code != 0;
  });
}

ReadOutcome ReadExactFile(Seam& os, const std::string& path, void* buffer, std::size_t size,
                          int& closeCode) {
  closeCode = 0;
  std::FILE* f = os.OpenStream(path, "rb");
  if (!f) return ReadOutcome::Missing;
  std::size_t got = std::fread(buffer, 1, size, f);
  bool ok = got == size && !std::ferror(f);
  // A longer file is not this record either.
  if (ok && std::fgetc(f) != EOF) ok = false;
  errno = 0;
  if (std::fclose(f) != 0) closeCode = LastError();
  return ok ? ReadOutcome::Ok : ReadOutcome::BadSize;
}

bool ReadFileBytes(Seam& os, const std::string& path, std::string& out) {
  out.clear();
  std::FILE* f = os.OpenStream(path, "rb");
  if (!f) return false;
  char buf[65536];
  std::size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) out.append(buf, n);
  bool ok = !std::ferror(f);
  std::fclose(f);
  return ok;
}

std::string AsideName(const std::string& path) { return path + ".bad"; }

bool KeepAside(Seam& os, const std::string& path) {
  std::string bytes;
  if (!ReadFileBytes(os, path, bytes)) return true;
  const std::string aside = AsideName(path);
  os.SetAttributes(aside, kAttrNormal);
  return WriteWholeFile(os, aside, bytes);
}

}  // namespace zel
