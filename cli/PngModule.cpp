// SPDX-License-Identifier: MIT
// Finds and loads the PNG painter module: beside the program in a build
// tree, in <libexecdir>/quillon once installed.

#include <dlfcn.h>

#include <filesystem>
#include <system_error>

#include "cli/raster/BoardRaster.h"

namespace quillon::cli {

namespace {

namespace fs = std::filesystem;

#ifdef QUILLON_PNG_MODULE_DIR
fs::path ProgramFolder() {
  std::error_code Failed;
  const fs::path Program = fs::read_symlink("/proc/self/exe", Failed);
  return Failed ? fs::path() : Program.parent_path();
}

// The entry point, or null with Error saying which file could not be used.
TPaintBoardToPng* LoadEntry(std::string& Error) {
  static TPaintBoardToPng* Entry = nullptr;
  if (Entry) return Entry;
  const fs::path Folder = ProgramFolder();
  const fs::path Installed = Folder / QUILLON_PNG_MODULE_DIR / PngModuleFile;
  for (const fs::path& Module : {Folder / PngModuleFile, Installed}) {
    std::error_code Failed;
    if (!fs::is_regular_file(Module, Failed)) continue;
    void* Handle = ::dlopen(Module.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!Handle) {
      const char* Reason = ::dlerror();
      Error = "the PNG painter " + Module.string() +
              " could not be loaded: " + (Reason ? Reason : "unknown error");
      return nullptr;
    }
    // The module stays loaded for the rest of the run.
    Entry = reinterpret_cast<TPaintBoardToPng*>(::dlsym(Handle, PngModuleEntry));
    if (!Entry) Error = "the PNG painter " + Module.string() + " has no entry point";
    return Entry;
  }
  Error =
      "the PNG painter " + Installed.lexically_normal().string() + " is missing; reinstall Quillon";
  return nullptr;
}
#endif

}  // namespace

std::string RasterizeBoardToPng(const TPcb& Board, const preview::TSvgOptions& Options,
                                const preview::TBoxMm& View, int WidthPx, int HeightPx,
                                std::string& Png) {
  std::string Error;
#ifdef QUILLON_PNG_MODULE_DIR
  if (TPaintBoardToPng* Entry = LoadEntry(Error))
    Entry(Board, Options, View, WidthPx, HeightPx, Png, Error);
#else
  (void)Board, (void)Options, (void)View, (void)WidthPx, (void)HeightPx, (void)Png;
  Error = "this build has no PNG painter";
#endif
  return Error;
}

}  // namespace quillon::cli
