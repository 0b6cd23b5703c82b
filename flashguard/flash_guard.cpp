#include "flashguard/flash_guard.h"

#include <optional>
#include <string_view>
#include <vector>

#include "fileops/file_services.h"
#include "flashguard/directory_search.h"
#include "flashguard/folder_chain.h"
#include "flashguard/folder_removal.h"
#include "flashguard/guard_file.h"
#include "flashguard/path_parts.h"

namespace ombrela {

namespace {

// The host of the 优酷网 player; Flash Player keeps its shared objects in a
// folder of this name.
constexpr std::string_view kSiteFolderName = "static.youku.com";
constexpr std::string_view kGuardFileText = "Mirgel QQ:Kalvireth";

constexpr std::string_view kSharedObjectRoot = "\\Macromedia\\Flash Player\\#SharedObjects";
// Below this root the player keeps a folder level of its own.
constexpr std::string_view kFirstLocationPrefix = "\\Macromedia\\Flash Player\\#SharedObjects\\";
// No space, and no level of the player's own.
constexpr std::string_view kSecondLocationPrefix = "\\Macromedia\\FlashPlayer\\#SharedObjects";

// Replaces the site folder below the application-data folder + parent with the
// guard file. The folders on the way stay held, so nothing can be swapped in
// between; where one is missing or a link, nothing is done there.
void GuardLocation(std::string_view parent) {
  const Text app_data = AppDataFolder();
  if (app_data.empty()) return;
  const Text path = ConcatText({app_data, parent, "\\", kSiteFolderName});
  const std::optional<std::vector<HeldFolder>> chain = HoldFolderChain(app_data, parent);
  if (!chain) return;
  const Text& parent_final = chain->back().final_path;
  // Written whatever the removal gave: over a folder that stayed it fails.
  RemoveFolderIn(parent_final, path, kSiteFolderName);
  WriteGuardFile(path, ChildFinalPath(parent_final, kSiteFolderName), TextToBytes(kGuardFileText));
}

}  // namespace

void GuardFlashStorage() {
  const Text app_data = AppDataFolder();
  if (app_data.empty()) return;
  // With no third entry the name is empty and the path below has a doubled
  // backslash, which the platform reads as one.
  const Text player_level = FindThirdSubfolder(ConcatText({app_data, kSharedObjectRoot}));
  GuardLocation(ConcatText({kFirstLocationPrefix, player_level}));
  GuardLocation(kSecondLocationPrefix);
}

}  // namespace ombrela
