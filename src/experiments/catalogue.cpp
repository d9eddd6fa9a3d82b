// The built-in experiments and their explanations, as the program has
// always shown them (their spelling included).
#include "experiments/catalogue.h"

#include "engine/translatable.h"

namespace exper {

namespace {

const char* const kpretty01[] = {
    TRANSLATABLE("Catalogue", "Electrostatic charges"),
    TRANSLATABLE("Catalogue", "Not that pattern is symmetric as red and black pucks"),
    TRANSLATABLE("Catalogue", "Switch sides during the collision"),
    TRANSLATABLE("Catalogue", "Note: charges do not transfer upon collision which would normally occur"),
};
const char* const kSpeedup1[] = {
    TRANSLATABLE("Catalogue", "Gravity assist:Speed up"),
    TRANSLATABLE("Catalogue", "Illustrates the principles behind gravity assists"),
    TRANSLATABLE("Catalogue", "When probes fly by planets to gain or lose speed."),
    TRANSLATABLE("Catalogue", "Electrostatic attraction is set to only when objects are close"),
    TRANSLATABLE("Catalogue", "Gravity really has unlimited range but effects are pretty much the same."),
    TRANSLATABLE("Catalogue",
                 "The recent NASA probe to Pluto, New Horizons, has used this technique at Jupiter to pick up speed."),
    TRANSLATABLE("Catalogue",
                 "To see the change is speed, go to measurement tab and select show data table to see speeds."),
};
const char* const kSlowDown1[] = {
    TRANSLATABLE("Catalogue", "Gravity assist"),
    TRANSLATABLE("Catalogue", "Illustrates the principles behind gravity assists"),
    TRANSLATABLE("Catalogue", "when probes fly by planets to gain or lose speed."),
    TRANSLATABLE("Catalogue", "Electrostatic attraction is set to only when objects are close"),
    TRANSLATABLE("Catalogue", "Gravity really has unlimited range but effects are pretty much the same."),
    TRANSLATABLE("Catalogue",
                 "The recent NASA probe to Mercury, Messenger, will be using this technique numerous times."),
    TRANSLATABLE("Catalogue",
                 "To see the change is speed, go to measurement tab and select show data table to see speeds."),
};
const char* const kHorizontal1[] = {
    TRANSLATABLE("Catalogue", "Monkey Gun: Horizontal shot"),
    TRANSLATABLE("Catalogue", "Shoot the falling target!  Where should you aim?"),
    TRANSLATABLE("Catalogue", "Demonstrates the classic \"Monkey gun\" demo in the simplest form."),
    TRANSLATABLE("Catalogue", "Fire at a target directly opposite from you."),
};
const char* const kAngled1[] = {
    TRANSLATABLE("Catalogue", "Monkey Gun: Angled Shot"),
    TRANSLATABLE("Catalogue", "Shoot the falling target!  Where should you aim?"),
    TRANSLATABLE("Catalogue", "Demonstrates the classic \"Monkey gun\" demo."),
    TRANSLATABLE("Catalogue", "Fire at a target that is angled above you."),
    TRANSLATABLE("Catalogue", "Show that the angle of the table and the velocity"),
    TRANSLATABLE("Catalogue", "you shoot at has no bearing on where you aim."),
};
const char* const kBilliardball1[] = {
    TRANSLATABLE("Catalogue", "Collision Samples #1:Billiard ball "),
    TRANSLATABLE("Catalogue", "What is a collision?"),
    TRANSLATABLE("Catalogue", "Here is a typical Total elastic collision. (no energy lost)"),
    TRANSLATABLE("Catalogue", "This is equivalent to two billiard balls colliding."),
    TRANSLATABLE("Catalogue", "After the collision stop the motion."),
    TRANSLATABLE("Catalogue", "Go to the Measurements tab, and click show data table."),
    TRANSLATABLE("Catalogue", "Show the graphs of the scalar energy quantities or see it in the table."),
    TRANSLATABLE("Catalogue", "Notice Energy in equals energy out."),
    TRANSLATABLE("Catalogue", "Vary the masses and velocities and compare energies."),
};
const char* const kSpring1[] = {
    TRANSLATABLE("Catalogue", "Collision Samples #1:Spring"),
    TRANSLATABLE("Catalogue", "An extension to the Collision Samples #1:Billiard ball collision."),
    TRANSLATABLE("Catalogue", "This time a spring \"buffers\" the collision."),
    TRANSLATABLE("Catalogue", "Analyse the collision in the data table or the graph."),
    TRANSLATABLE("Catalogue", "Notice total energy is conserved."),
    TRANSLATABLE("Catalogue", "Where does the Energy go during the collision?"),
};
const char* const kElectrostaitc1[] = {
    TRANSLATABLE("Catalogue", "Collision Samples #1:Electrostatic"),
    TRANSLATABLE("Catalogue", "The third example of a Total elastic collision."),
    TRANSLATABLE("Catalogue", "Notice the conservation of Energy again."),
    TRANSLATABLE("Catalogue", "Try with varying mass and speeds."),
    TRANSLATABLE("Catalogue", "Change the range of the effects of the elctrostatic forces."),
    TRANSLATABLE("Catalogue", "We can say all collisions are really just electrostatic collisions.  Why?"),
};
const char* const kEC1[] = {
    TRANSLATABLE("Catalogue", "Collision Types: Total Elastic Collision"),
    TRANSLATABLE("Catalogue", "The classic collision."),
    TRANSLATABLE("Catalogue",
                 "After the collision check the energies before and after the collision in the data table."),
    TRANSLATABLE("Catalogue", "Notice what happens to the red puck after the collision."),
    TRANSLATABLE("Catalogue",
                 "Change the mass of the moving puck.  try t opredict what will happen before try run it."),
};
const char* const kPartial1[] = {
    TRANSLATABLE("Catalogue", "Collision Types: Partial Elastic collision"),
    TRANSLATABLE("Catalogue", "This is when some energy is lost during the collision."),
    TRANSLATABLE("Catalogue", "Notice how the block seems to follow the other block."),
    TRANSLATABLE("Catalogue", "Try different efficiencies lower than 100% that are on the controls tab."),
    TRANSLATABLE("Catalogue", "Notice what happens as the efficiency approaches zero?"),
};
const char* const kIC1[] = {
    TRANSLATABLE("Catalogue", "Collision Types: Total Inelastic Collision"),
    TRANSLATABLE("Catalogue", "Notice how they stay stuck together.  They did not bounce off therefore not elastic."),
    TRANSLATABLE("Catalogue", "Try varying the masses and different speeds of the pucks."),
};
const char* const kExplosion11[] = {
    TRANSLATABLE("Catalogue", "Collision Types: Explosion #1"),
    TRANSLATABLE("Catalogue",
                 "Notice how they explode apart.  Notice energy difference if you analyse the data table."),
};
const char* const kExplosion21[] = {
    TRANSLATABLE("Catalogue", "Collision Types: Explosion #2"),
    TRANSLATABLE("Catalogue", "Notice how the spring can add energy to the system."),
    TRANSLATABLE("Catalogue", "Try varying the masses and see how different masses affect the final speeds."),
};
const char* const kEC2[] = {
    TRANSLATABLE("Catalogue", "2-D Collision Samples #1:TEC"),
    TRANSLATABLE("Catalogue", "This is a simple 2-D of collision."),
    TRANSLATABLE("Catalogue", "After the collision use the momentum analysis tools"),
    TRANSLATABLE("Catalogue", "after hitting the \"Show Data Table\"."),
    TRANSLATABLE("Catalogue", "Show that momentum before equals sum of momentum after."),
};
const char* const kPartial2[] = {
    TRANSLATABLE("Catalogue", "2-D Collision Samples #1: Partial Elastic"),
    TRANSLATABLE("Catalogue", "Has the same starting collision as in the TEC."),
    TRANSLATABLE("Catalogue", "Notice the change in angles after the collision. "),
    TRANSLATABLE("Catalogue", "Analyze the momentum vectors again to show total before"),
    TRANSLATABLE("Catalogue", "is the same as total after."),
    TRANSLATABLE("Catalogue", "Modify the percent of elasticity on the Controls Tab"),
    TRANSLATABLE("Catalogue", "Notice how the total kinetic Energy changes"),
    TRANSLATABLE("Catalogue", "but momentum after always matches momentum before"),
};
const char* const kElectrostatics1[] = {
    TRANSLATABLE("Catalogue", "2-D Collision Samples #1: Electrostatic"),
    TRANSLATABLE("Catalogue", "Same starting conditions as in previous examples."),
    TRANSLATABLE("Catalogue", "now you can analyse the collision at any time"),
    TRANSLATABLE("Catalogue", "during the collision by sliding the time scroll bar on the"),
    TRANSLATABLE("Catalogue", "momentum anaysis Tab."),
    TRANSLATABLE("Catalogue", "Click on View->Center of Mass.  This shows that the "),
    TRANSLATABLE("Catalogue", "Center of mass of the system always follows the same direction and speed."),
    TRANSLATABLE("Catalogue", "Try this for all collisons!!"),
};
const char* const kIC2[] = {
    TRANSLATABLE("Catalogue", "2-D Collision Samples #1: Total Inelastic"),
    TRANSLATABLE("Catalogue", "Same starting conditions."),
    TRANSLATABLE("Catalogue", "Notice how the objects are stuck together after collision."),
    TRANSLATABLE("Catalogue", "The energy \"lost\" in the collision, some goes into rotational energy."),
    TRANSLATABLE("Catalogue", "Change the position of the red puck so that after the collision "),
    TRANSLATABLE("Catalogue", "no rotational energy is present."),
    TRANSLATABLE("Catalogue", "Once again check path of center of mass!"),
};
const char* const kInformation1[] = {
    TRANSLATABLE("Catalogue", "Gravity Assist"),
    TRANSLATABLE("Catalogue", "In order to save rocket fuel on deep space missions NASA"),
    TRANSLATABLE("Catalogue", "has successfully used gravity assist to either slow down"),
    TRANSLATABLE("Catalogue", "or speed the spacecraft up.  The theory is straight forward,"),
    TRANSLATABLE("Catalogue", "but the trick is to get the probe coming in at the right angle."),
    TRANSLATABLE("Catalogue", "It works as follows, relative to the planet the probe is "),
    TRANSLATABLE("Catalogue", "entering and leaving the the planet at the same speed.  "),
    TRANSLATABLE("Catalogue", "But since the probe is leaving at a different angle, "),
    TRANSLATABLE("Catalogue", "when you add the velocity of the planet back to the probe"),
    TRANSLATABLE("Catalogue", "it will have a different final velocity."),
    TRANSLATABLE("Catalogue", "Notice the planet losses the same amount of energy the probe gains."),
    TRANSLATABLE("Catalogue", "Rounding errors in calculations may make the total slightly off."),
};
const char* const kInformation2[] = {
    TRANSLATABLE("Catalogue", "Monkey Gun"),
    TRANSLATABLE("Catalogue", "An internet search on \"monkey Gun Physics\" will result"),
    TRANSLATABLE("Catalogue", "in a greater explaination of the scenario. But the"),
    TRANSLATABLE("Catalogue", "the general question is where should you aim a tranquilizer"),
    TRANSLATABLE("Catalogue", "gun if the monkey falls right as you shoot the gun?"),
    TRANSLATABLE("Catalogue", "This is an excersize in showing the independance of vertical"),
    TRANSLATABLE("Catalogue", "and horizontal components.  It is a great exercise to prove"),
    TRANSLATABLE("Catalogue", "this algebraically."),
};
const char* const kInformation3[] = {
    TRANSLATABLE("Catalogue", "1-D collisions"),
    TRANSLATABLE("Catalogue", "These provide a good starting point for understanding collisions."),
    TRANSLATABLE("Catalogue", "The 1-D scenario provides a more intuitive starting point"),
    TRANSLATABLE("Catalogue", "for understanding the general principles of collisions."),
    TRANSLATABLE("Catalogue", "To discuss what happens during the collision do the"),
    TRANSLATABLE("Catalogue", "collision as a spring collision but keep the spring constant"),
    TRANSLATABLE("Catalogue", "low and the length large.  You can easily see the energy"),
    TRANSLATABLE("Catalogue", "transfer and go over the energy transfer on the graphs"),
    TRANSLATABLE("Catalogue", "in the measurement tab."),
};
const char* const kInformation4[] = {
    TRANSLATABLE("Catalogue", "1-D collisions"),
    TRANSLATABLE("Catalogue", "This is a list of the primary types of collisions"),
    TRANSLATABLE("Catalogue", "Ideal as a starting point for demos or labs in class."),
    TRANSLATABLE("Catalogue", "Change the configuration by asking what if scenarios."),
    TRANSLATABLE("Catalogue", "Have them predict before running the changes!"),
};
const char* const kInformation5[] = {
    TRANSLATABLE("Catalogue", "2-D collisions"),
    TRANSLATABLE("Catalogue", "This is a starting point in exploring 2-D collisions."),
    TRANSLATABLE("Catalogue", "Simply change the pucks a velocity and masses and you have"),
    TRANSLATABLE("Catalogue", "an unlimited range of collisions to do.  Show the students"),
    TRANSLATABLE("Catalogue", "that with the same starting velocities moving the starting"),
    TRANSLATABLE("Catalogue", "position can dramatically change the outcome."),
    TRANSLATABLE("Catalogue", "A quick a simple way to explore the properties of collisions."),
    TRANSLATABLE("Catalogue", "Be sure to use the momentum analysis tool,found by clicking the"),
    TRANSLATABLE("Catalogue", "the \"Show data table\" button to show momentum is conserved!"),
};

#define LINES(a) a, static_cast<int>(sizeof(a) / sizeof(a[0]))
const CatalogueEntry kEntries[] = {
    {1, "pretty01", "", TRANSLATABLE("Catalogue", "Symmetric Pattern"),
     "136 145 427 153 322 188 269 192 0 10 50 100 -100 20 30 100 20 20", " 2 3 1000 2 5 0 20 122 1", LINES(kpretty01)},
    {0, "Information1", TRANSLATABLE("Catalogue", "Gravity assist"), TRANSLATABLE("Catalogue", "Information"), " ", "",
     LINES(kInformation1)},
    {2, "Speedup1", TRANSLATABLE("Catalogue", "Gravity assist"), TRANSLATABLE("Catalogue", "Speed Up"),
     "471 195 402 205 709 311 664 283 0 10 50 100 -99 200 10 29 1 200", " 2 3 100 2 5 -2 20 0 0", LINES(kSpeedup1)},
    {3, "SlowDown1", TRANSLATABLE("Catalogue", "Gravity assist"), TRANSLATABLE("Catalogue", "Slow Down"),
     "441 179 335 188 720 168 617 168 0 10 50 100 -99 200 10 29 1 200", " 2 3 100 2 5 -2 20 0 0", LINES(kSlowDown1)},
    {0, "Information2", TRANSLATABLE("Catalogue", "Monkey gun"), TRANSLATABLE("Catalogue", "Information"), " ", "",
     LINES(kInformation2)},
    {4, "Horizontal1", TRANSLATABLE("Catalogue", "Monkey gun"), TRANSLATABLE("Catalogue", "Horizontal Shot"),
     "92 64 166 73 673 64 623 73 53 10 50 50 100 20 200 100 20 0", " 2 3 0 2 2 0 20 120 5", LINES(kHorizontal1)},
    {5, "Angled1", TRANSLATABLE("Catalogue", "Monkey gun"), TRANSLATABLE("Catalogue", "Angled Shot"),
     "282 208 374 179 681 24 631 33 80 10 50 50 100 20 200 100 20 0", " 2 3 0 2 2 0 20 120 5", LINES(kAngled1)},
    {0, "Information3", TRANSLATABLE("Catalogue", "1-D Collision Samples #1"), TRANSLATABLE("Catalogue", "Information"),
     " ", "", LINES(kInformation3)},
    {6, "Billiardball1", TRANSLATABLE("Catalogue", "1-D Collision Samples #1"),
     TRANSLATABLE("Catalogue", "Billiard ball"), "189 183 287 204 379 183 329 204 0 10 50 50 100 20 50 100 20 0",
     " 1 3 0 2 2 0 20 122 4", LINES(kBilliardball1)},
    {7, "Spring1", TRANSLATABLE("Catalogue", "1-D Collision Samples #1"), TRANSLATABLE("Catalogue", "Spring"),
     "189 183 287 204 379 183 329 204 0 10 50 100 100 20 50 100 20 0", " 1 3 0 2 1 0 20 122 4", LINES(kSpring1)},
    {8, "Electrostaitc1", TRANSLATABLE("Catalogue", "1-D Collision Samples #1"),
     TRANSLATABLE("Catalogue", "Electrostatic"), "131 183 229 204 379 183 329 204 0 10 50 100 60 20 50 40 20 0",
     " 1 3 100 2 5 0 20 122 4", LINES(kElectrostaitc1)},
    {0, "Information4", TRANSLATABLE("Catalogue", "1-D Collision Types"), TRANSLATABLE("Catalogue", "Information"), " ",
     "", LINES(kInformation4)},
    {9, "EC1", TRANSLATABLE("Catalogue", "1-D Collision Types"), TRANSLATABLE("Catalogue", "TEC"),
     "189 183 287 204 379 183 329 204 0 10 50 100 100 20 50 100 20 0", " 1 3 0 2 2 0 20 120 5", LINES(kEC1)},
    {10, "Partial1", TRANSLATABLE("Catalogue", "1-D Collision Types"), TRANSLATABLE("Catalogue", "Partial"),
     "189 183 287 204 379 183 329 204 0 10 50 50 100 20 50 100 20 0", " 1 3 0 2 4 0 20 120 5", LINES(kPartial1)},
    {11, "IC1", TRANSLATABLE("Catalogue", "1-D Collision Types"), TRANSLATABLE("Catalogue", "TIC"),
     "189 183 287 204 379 183 329 204 0 10 50 0 100 20 50 100 20 0", " 1 3 0 2 3 0 20 120 5", LINES(kIC1)},
    {12, "Explosion11", TRANSLATABLE("Catalogue", "1-D Collision Types"), TRANSLATABLE("Catalogue", "Explosion #1"),
     "189 183 287 204 379 183 329 204 0 10 50 150 100 20 50 100 20 0", " 1 3 0 2 4 0 20 120 5", LINES(kExplosion11)},
    {13, "Explosion21", TRANSLATABLE("Catalogue", "1-D Collision Types"), TRANSLATABLE("Catalogue", "Explosion #2"),
     "334 183 432 204 384 183 334 204 0 10 50 100 100 20 0 100 20 0", " 1 3 0 2 1 0 20 120 5", LINES(kExplosion21)},
    {0, "Information5", TRANSLATABLE("Catalogue", "2-D Collision Samples #1"), TRANSLATABLE("Catalogue", "Information"),
     " ", "", LINES(kInformation5)},
    {14, "EC2", TRANSLATABLE("Catalogue", "2-D Collision Samples #1"), TRANSLATABLE("Catalogue", "TEC"),
     "171 254 244 238 379 183 329 192 0 10 50 50 100 20 50 100 20 0", " 2 3 0 2 2 0 20 122 5", LINES(kEC2)},
    {15, "Partial2", TRANSLATABLE("Catalogue", "2-D Collision Samples #1"), TRANSLATABLE("Catalogue", "Partial"),
     "168 254 246 235 379 183 329 192 0 10 50 50 100 20 50 100 20 0", " 2 3 0 2 4 0 20 122 5", LINES(kPartial2)},
    {16, "Electrostatics1", TRANSLATABLE("Catalogue", "2-D Collision Samples #1"),
     TRANSLATABLE("Catalogue", "Electrostatics"), "168 254 246 235 379 183 329 192 0 10 50 100 100 20 50 100 20 0",
     " 2 3 50 2 5 0 20 122 4", LINES(kElectrostatics1)},
    {17, "IC2", TRANSLATABLE("Catalogue", "2-D Collision Samples #1"), TRANSLATABLE("Catalogue", "TIC"),
     "168 254 246 235 379 183 329 192 0 10 50 0 100 20 50 100 20 0", " 2 3 50 2 3 0 20 122 4", LINES(kIC2)},
};
#undef LINES

}   // namespace

const CatalogueEntry* catalogueEntries(int* count)
{
    *count = static_cast<int>(sizeof(kEntries) / sizeof(kEntries[0]));
    return kEntries;
}

const CatalogueEntry* catalogueExperiment(int number)
{
    int count = 0;
    const CatalogueEntry* all = catalogueEntries(&count);
    for (int i = 0; i < count; ++i)
        if (number > 0 && all[i].number == number)
            return &all[i];
    return nullptr;
}

std::string CatalogueEntry::parameterText() const
{
    return std::string(pieceA) + pieceB;
}

}   // namespace exper
