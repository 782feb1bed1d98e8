// The environment default the toolkit is started under.
#include <gtest/gtest.h>

#ifdef __WXGTK__
#include <cstdlib>
#include <optional>
#include <string>

#include "app/ToolkitStart.h"
#include "common/Environment.h"

// The default holds while it lives only where nothing was set, and a value
// of the user's own, even an empty one, is never replaced or removed.
TEST(EnvironmentDefault, SetsOnlyWhatIsUnsetAndPutsItBack)
{
  const char* name = "TOVEL_TEST_GDK_GL";
  const auto value = [name]() -> std::optional<std::string> {
    const char* text = std::getenv(name);
    return text ? std::optional<std::string>(text) : std::nullopt;
  };
  const SavedEnvironment saved({name});
  for (const std::optional<std::string>& before :
       {std::optional<std::string>(), {"always"}, {""}}) {
    before ? SetEnvironment(name, *before) : UnsetEnvironment(name);
    {
      const EnvironmentDefault scoped(name, "disable");
      EXPECT_EQ(value(), before.value_or("disable")) << before.value_or("(unset)");
    }
    EXPECT_EQ(value(), before) << before.value_or("(unset)");
  }
}
#endif
