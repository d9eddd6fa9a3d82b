// The built-in experiments and their explanations, as the program has
// always shown them (their spelling included).
#include "experiments/catalogue.h"

namespace exper {

namespace {

const char* const kpretty01[] = {
    "Electrostatic charges",
    "Not that pattern is symmetric as red and black pucks",
    "Switch sides during the collision",
    "Note: charges do not transfer upon collision which would normally occur",
};
const char* const kSpeedup1[] = {
    "Gravity assist:Speed up",
    "Illustrates the principles behind gravity assists",
    "When probes fly by planets to gain or lose speed.",
    "Electrostatic attraction is set to only when objects are close",
    "Gravity really has unlimited range but effects are pretty much the same.",
    "The recent NASA probe to Pluto, New Horizons, has used this technique at Jupiter to pick up speed.",
    "To see the change is speed, go to measurement tab and select show data table to see speeds.",
};
const char* const kSlowDown1[] = {
    "Gravity assist",
    "Illustrates the principles behind gravity assists",
    "when probes fly by planets to gain or lose speed.",
    "Electrostatic attraction is set to only when objects are close",
    "Gravity really has unlimited range but effects are pretty much the same.",
    "The recent NASA probe to Mercury, Messenger, will be using this technique numerous times.",
    "To see the change is speed, go to measurement tab and select show data table to see speeds.",
};
const char* const kHorizontal1[] = {
    "Monkey Gun: Horizontal shot",
    "Shoot the falling target!  Where should you aim?",
    "Demonstrates the classic \"Monkey gun\" demo in the simplest form.",
    "Fire at a target directly opposite from you.",
};
const char* const kAngled1[] = {
    "Monkey Gun: Angled Shot",
    "Shoot the falling target!  Where should you aim?",
    "Demonstrates the classic \"Monkey gun\" demo.",
    "Fire at a target that is angled above you.",
    "Show that the angle of the table and the velocity",
    "you shoot at has no bearing on where you aim.",
};
const char* const kBilliardball1[] = {
    "Collision Samples #1:Billiard ball ",
    "What is a collision?",
    "Here is a typical Total elastic collision. (no energy lost)",
    "This is equivalent to two billiard balls colliding.",
    "After the collision stop the motion.",
    "Go to the Measurements tab, and click show data table.",
    "Show the graphs of the scalar energy quantities or see it in the table.",
    "Notice Energy in equals energy out.",
    "Vary the masses and velocities and compare energies.",
};
const char* const kSpring1[] = {
    "Collision Samples #1:Spring",
    "An extension to the Collision Samples #1:Billiard ball collision.",
    "This time a spring \"buffers\" the collision.",
    "Analyse the collision in the data table or the graph.",
    "Notice total energy is conserved.",
    "Where does the Energy go during the collision?",
};
const char* const kElectrostaitc1[] = {
    "Collision Samples #1:Electrostatic",
    "The third example of a Total elastic collision.",
    "Notice the conservation of Energy again.",
    "Try with varying mass and speeds.",
    "Change the range of the effects of the elctrostatic forces.",
    "We can say all collisions are really just electrostatic collisions.  Why?",
};
const char* const kEC1[] = {
    "Collision Types: Total Elastic Collision",
    "The classic collision.",
    "After the collision check the energies before and after the collision in the data table.",
    "Notice what happens to the red puck after the collision.",
    "Change the mass of the moving puck.  try t opredict what will happen before try run it.",
};
const char* const kPartial1[] = {
    "Collision Types: Partial Elastic collision",
    "This is when some energy is lost during the collision.",
    "Notice how the block seems to follow the other block.",
    "Try different efficiencies lower than 100% that are on the controls tab.",
    "Notice what happens as the efficiency approaches zero?",
};
const char* const kIC1[] = {
    "Collision Types: Total Inelastic Collision",
    "Notice how they stay stuck together.  They did not bounce off therefore not elastic.",
    "Try varying the masses and different speeds of the pucks.",
};
const char* const kExplosion11[] = {
    "Collision Types: Explosion #1",
    "Notice how they explode apart.  Notice energy difference if you analyse the data table.",
};
const char* const kExplosion21[] = {
    "Collision Types: Explosion #2",
    "Notice how the spring can add energy to the system.",
    "Try varying the masses and see how different masses affect the final speeds.",
};
const char* const kEC2[] = {
    "2-D Collision Samples #1:TEC",
    "This is a simple 2-D of collision.",
    "After the collision use the momentum analysis tools",
    "after hitting the \"Show Data Table\".",
    "Show that momentum before equals sum of momentum after.",
};
const char* const kPartial2[] = {
    "2-D Collision Samples #1: Partial Elastic",
    "Has the same starting collision as in the TEC.",
    "Notice the change in angles after the collision. ",
    "Analyze the momentum vectors again to show total before",
    "is the same as total after.",
    "Modify the percent of elasticity on the Controls Tab",
    "Notice how the total kinetic Energy changes",
    "but momentum after always matches momentum before",
};
const char* const kElectrostatics1[] = {
    "2-D Collision Samples #1: Electrostatic",
    "Same starting conditions as in previous examples.",
    "now you can analyse the collision at any time",
    "during the collision by sliding the time scroll bar on the",
    "momentum anaysis Tab.",
    "Click on View->Center of Mass.  This shows that the ",
    "Center of mass of the system always follows the same direction and speed.",
    "Try this for all collisons!!",
};
const char* const kIC2[] = {
    "2-D Collision Samples #1: Total Inelastic",
    "Same starting conditions.",
    "Notice how the objects are stuck together after collision.",
    "The energy \"lost\" in the collision, some goes into rotational energy.",
    "Change the position of the red puck so that after the collision ",
    "no rotational energy is present.",
    "Once again check path of center of mass!",
};
const char* const kInformation1[] = {
    "Gravity Assist",
    "In order to save rocket fuel on deep space missions NASA",
    "has successfully used gravity assist to either slow down",
    "or speed the spacecraft up.  The theory is straight forward,",
    "but the trick is to get the probe coming in at the right angle.",
    "It works as follows, relative to the planet the probe is ",
    "entering and leaving the the planet at the same speed.  ",
    "But since the probe is leaving at a different angle, ",
    "when you add the velocity of the planet back to the probe",
    "it will have a different final velocity.",
    "Notice the planet losses the same amount of energy the probe gains.",
    "Rounding errors in calculations may make the total slightly off.",
};
const char* const kInformation2[] = {
    "Monkey Gun",
    "An internet search on \"monkey Gun Physics\" will result",
    "in a greater explaination of the scenario. But the",
    "the general question is where should you aim a tranquilizer",
    "gun if the monkey falls right as you shoot the gun?",
    "This is an excersize in showing the independance of vertical",
    "and horizontal components.  It is a great exercise to prove",
    "this algebraically.",
};
const char* const kInformation3[] = {
    "1-D collisions",
    "These provide a good starting point for understanding collisions.",
    "The 1-D scenario provides a more intuitive starting point",
    "for understanding the general principles of collisions.",
    "To discuss what happens during the collision do the",
    "collision as a spring collision but keep the spring constant",
    "low and the length large.  You can easily see the energy",
    "transfer and go over the energy transfer on the graphs",
    "in the measurement tab.",
};
const char* const kInformation4[] = {
    "1-D collisions",
    "This is a list of the primary types of collisions",
    "Ideal as a starting point for demos or labs in class.",
    "Change the configuration by asking what if scenarios.",
    "Have them predict before running the changes!",
};
const char* const kInformation5[] = {
    "2-D collisions",
    "This is a starting point in exploring 2-D collisions.",
    "Simply change the pucks a velocity and masses and you have",
    "an unlimited range of collisions to do.  Show the students",
    "that with the same starting velocities moving the starting",
    "position can dramatically change the outcome.",
    "A quick a simple way to explore the properties of collisions.",
    "Be sure to use the momentum analysis tool,found by clicking the",
    "the \"Show data table\" button to show momentum is conserved!",
};

#define LINES(a) a, static_cast<int>(sizeof(a) / sizeof(a[0]))
const CatalogueEntry kEntries[] = {
    {1, "pretty01", "", "Symmetric Pattern", "136 145 427 153 322 188 269 192 0 10 50 100 -100 20 30 100 20 20",
     " 2 3 1000 2 5 0 20 122 1", LINES(kpretty01)},
    {0, "Information1", "Gravity assist", "Information", " ", "", LINES(kInformation1)},
    {2, "Speedup1", "Gravity assist", "Speed Up", "471 195 402 205 709 311 664 283 0 10 50 100 -99 200 10 29 1 200",
     " 2 3 100 2 5 -2 20 0 0", LINES(kSpeedup1)},
    {3, "SlowDown1", "Gravity assist", "Slow Down", "441 179 335 188 720 168 617 168 0 10 50 100 -99 200 10 29 1 200",
     " 2 3 100 2 5 -2 20 0 0", LINES(kSlowDown1)},
    {0, "Information2", "Monkey gun", "Information", " ", "", LINES(kInformation2)},
    {4, "Horizontal1", "Monkey gun", "Horizontal Shot", "92 64 166 73 673 64 623 73 53 10 50 50 100 20 200 100 20 0",
     " 2 3 0 2 2 0 20 120 5", LINES(kHorizontal1)},
    {5, "Angled1", "Monkey gun", "Angled Shot", "282 208 374 179 681 24 631 33 80 10 50 50 100 20 200 100 20 0",
     " 2 3 0 2 2 0 20 120 5", LINES(kAngled1)},
    {0, "Information3", "1-D Collision Samples #1", "Information", " ", "", LINES(kInformation3)},
    {6, "Billiardball1", "1-D Collision Samples #1", "Billiard ball",
     "189 183 287 204 379 183 329 204 0 10 50 50 100 20 50 100 20 0", " 1 3 0 2 2 0 20 122 4", LINES(kBilliardball1)},
    {7, "Spring1", "1-D Collision Samples #1", "Spring",
     "189 183 287 204 379 183 329 204 0 10 50 100 100 20 50 100 20 0", " 1 3 0 2 1 0 20 122 4", LINES(kSpring1)},
    {8, "Electrostaitc1", "1-D Collision Samples #1", "Electrostatic",
     "131 183 229 204 379 183 329 204 0 10 50 100 60 20 50 40 20 0", " 1 3 100 2 5 0 20 122 4", LINES(kElectrostaitc1)},
    {0, "Information4", "1-D Collision Types", "Information", " ", "", LINES(kInformation4)},
    {9, "EC1", "1-D Collision Types", "TEC", "189 183 287 204 379 183 329 204 0 10 50 100 100 20 50 100 20 0",
     " 1 3 0 2 2 0 20 120 5", LINES(kEC1)},
    {10, "Partial1", "1-D Collision Types", "Partial", "189 183 287 204 379 183 329 204 0 10 50 50 100 20 50 100 20 0",
     " 1 3 0 2 4 0 20 120 5", LINES(kPartial1)},
    {11, "IC1", "1-D Collision Types", "TIC", "189 183 287 204 379 183 329 204 0 10 50 0 100 20 50 100 20 0",
     " 1 3 0 2 3 0 20 120 5", LINES(kIC1)},
    {12, "Explosion11", "1-D Collision Types", "Explosion #1",
     "189 183 287 204 379 183 329 204 0 10 50 150 100 20 50 100 20 0", " 1 3 0 2 4 0 20 120 5", LINES(kExplosion11)},
    {13, "Explosion21", "1-D Collision Types", "Explosion #2",
     "334 183 432 204 384 183 334 204 0 10 50 100 100 20 0 100 20 0", " 1 3 0 2 1 0 20 120 5", LINES(kExplosion21)},
    {0, "Information5", "2-D Collision Samples #1", "Information", " ", "", LINES(kInformation5)},
    {14, "EC2", "2-D Collision Samples #1", "TEC", "171 254 244 238 379 183 329 192 0 10 50 50 100 20 50 100 20 0",
     " 2 3 0 2 2 0 20 122 5", LINES(kEC2)},
    {15, "Partial2", "2-D Collision Samples #1", "Partial",
     "168 254 246 235 379 183 329 192 0 10 50 50 100 20 50 100 20 0", " 2 3 0 2 4 0 20 122 5", LINES(kPartial2)},
    {16, "Electrostatics1", "2-D Collision Samples #1", "Electrostatics",
     "168 254 246 235 379 183 329 192 0 10 50 100 100 20 50 100 20 0", " 2 3 50 2 5 0 20 122 4",
     LINES(kElectrostatics1)},
    {17, "IC2", "2-D Collision Samples #1", "TIC", "168 254 246 235 379 183 329 192 0 10 50 0 100 20 50 100 20 0",
     " 2 3 50 2 3 0 20 122 4", LINES(kIC2)},
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
