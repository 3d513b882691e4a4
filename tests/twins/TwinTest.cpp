// The twin of a dispatcher's task stays with the generator the dispatcher chose
// (the twins of every band are checked with the band tables in
// tests/generators and tests/decadic).
#include "drill/Twin.h"
#include "generators/Generators.h"

#include <gtest/gtest.h>

#include <tuple>

namespace quarvel {
namespace {

TEST(MeasureTwins, DispatcherTwinsStayWithTheGeneratorTheDispatcherChose) {
    SeededRandom engine(11);
    const auto kept = [](const TTaskRecord& t) {
        return std::tuple(t.Draws.Generator, t.Draws.Direction, t.FromUnit.str(), t.ToUnit.str());
    };
    for (const NamedGenerator& g : MeasureGenerators())
        for (int i = 0; i < 20 && g.Name.starts_with("Mix"); ++i) {
            const TTaskRecord task = g.Fn(engine);
            const auto twin = TwinOf(task, engine);
            ASSERT_TRUE(twin && std::holds_alternative<TTaskRecord>(*twin)) << g.Name;
            const TTaskRecord& t = std::get<TTaskRecord>(*twin);
            EXPECT_TRUE(t.Draws.Generator.starts_with("Generate")) << g.Name;
            EXPECT_EQ(kept(t), kept(task)) << g.Name;
            EXPECT_NE(t.GivenText.str(), task.GivenText.str()) << g.Name;
        }
}

} // namespace
} // namespace quarvel
