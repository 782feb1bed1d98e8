// The environment default the toolkit is started under.
#include <gtest/gtest.h>

#ifdef __WXGTK__
#include <cstdlib>
#include <optional>
#include <string>

#include "app/ToolkitStart.h"
#include "common/Environment.h"

namespace {

std::optional<std::string> Variable(const char* name)
{
  const char* value = std::getenv(name);
  return value ? std::optional<std::string>(value) : std::nullopt;
}

// The default holds while it lives only where the user set nothing, and
// the user's own value, even an empty one, is never replaced or removed.
TEST(EnvironmentDefault, SetsOnlyWhatIsUnsetAndPutsItBack)
{
  const char* name = "TOVEL_TEST_GDK_GL";
  struct Case {
    std::optional<std::string> before;
    std::string during;
  };
  const Case cases[] = {{std::nullopt, "disable"}, {"always", "always"}, {"", ""}};
  const SavedEnvironment saved({name});
  for (const Case& c : cases) {
    if (c.before)
      SetEnvironment(name, *c.before);
    else
      UnsetEnvironment(name);
    {
      const EnvironmentDefault scoped(name, "disable");
      EXPECT_EQ(Variable(name), c.during) << c.before.value_or("(unset)");
    }
    EXPECT_EQ(Variable(name), c.before) << c.before.value_or("(unset)");
  }
}

} // namespace
#endif
