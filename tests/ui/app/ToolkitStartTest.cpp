// The environment default the toolkit is started under.
#include <gtest/gtest.h>

#ifdef __WXGTK__
#include "app/ToolkitStart.h"
#include "common/Environment.h"

// The default holds while it lives only where nothing was set, and a value
// of the user's own, even an empty one, is never replaced or removed.
TEST(EnvironmentDefault, SetsOnlyWhatIsUnsetAndPutsItBack)
{
  const std::string name = "TOVEL_TEST_GDK_GL";
  const SavedEnvironment saved({name});
  for (const std::optional<std::string>& before :
       {std::optional<std::string>(), {"always"}, {""}}) {
    before ? SetEnvironment(name, *before) : UnsetEnvironment(name);
    {
      const EnvironmentDefault scoped(name.c_str(), "disable");
      EXPECT_EQ(EnvironmentValue(name), before.value_or("disable")) << before.value_or("(unset)");
    }
    EXPECT_EQ(EnvironmentValue(name), before) << before.value_or("(unset)");
  }
}
#endif
