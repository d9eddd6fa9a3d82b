<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>About</name>
    <message>
        <source>About Slidora</source>
        <translation>Über Slidora</translation>
    </message>
    <message>
        <source>Version %1

A tilting air table with a red and a black puck.
Set masses, speeds and the kind of collision, run it, and study the strobe trace.

Licence: %2</source>
        <translation>Version %1

Ein neigbarer Lufttisch mit einem roten und einem schwarzen Puck.
Massen, Geschwindigkeiten und Art des Stoßes einstellen, laufen lassen und die Stroboskopspur untersuchen.

Lizenz: %2</translation>
    </message>
</context>
<context>
    <name>Captions</name>
    <message>
        <source>Time: %1 s</source>
        <translation>Zeit: %1 s</translation>
    </message>
    <message>
        <source>Spring Compressed: %1 cm</source>
        <translation>Feder gestaucht: %1 cm</translation>
    </message>
    <message>
        <source>Spring Compressed 0.00 cm</source>
        <translation>Feder gestaucht 0,00 cm</translation>
    </message>
    <message>
        <source>Run started.</source>
        <translation>Lauf gestartet.</translation>
    </message>
    <message>
        <source>Run continued at %1.</source>
        <translation>Lauf fortgesetzt bei %1.</translation>
    </message>
    <message>
        <source>Run ended at its last tick, %1. Red %2, black %3.</source>
        <translation>Lauf am letzten Schritt beendet, %1. Rot %2, Schwarz %3.</translation>
    </message>
    <message>
        <source>Run stopped at %1. Red %2, black %3.</source>
        <translation>Lauf angehalten bei %1. Rot %2, Schwarz %3.</translation>
    </message>
    <message>
        <source>Run ended at its last tick, %1. Red %2.</source>
        <translation>Lauf am letzten Schritt beendet, %1. Rot %2.</translation>
    </message>
    <message>
        <source>Run stopped at %1. Red %2.</source>
        <translation>Lauf angehalten bei %1. Rot %2.</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>Electrostatic charges</source>
        <translation>Elektrische Ladungen</translation>
    </message>
    <message>
        <source>Not that pattern is symmetric as red and black pucks</source>
        <translation>Beachte: Das Muster ist symmetrisch, da der rote und der schwarze Puck</translation>
    </message>
    <message>
        <source>Switch sides during the collision</source>
        <translation>während des Stoßes die Seiten tauschen.</translation>
    </message>
    <message>
        <source>Note: charges do not transfer upon collision which would normally occur</source>
        <translation>Hinweis: Beim Stoß gehen keine Ladungen über, was sonst normalerweise geschieht.</translation>
    </message>
    <message>
        <source>Gravity assist:Speed up</source>
        <translation>Swing-by: Beschleunigen</translation>
    </message>
    <message>
        <source>Illustrates the principles behind gravity assists</source>
        <translation>Zeigt die Grundlagen des Swing-by,</translation>
    </message>
    <message>
        <source>When probes fly by planets to gain or lose speed.</source>
        <translation>wenn Sonden an Planeten vorbeifliegen, um schneller oder langsamer zu werden.</translation>
    </message>
    <message>
        <source>Electrostatic attraction is set to only when objects are close</source>
        <translation>Die elektrostatische Anziehung wirkt hier nur, wenn die Körper nah sind.</translation>
    </message>
    <message>
        <source>Gravity really has unlimited range but effects are pretty much the same.</source>
        <translation>Die Schwerkraft reicht eigentlich unbegrenzt weit, die Wirkung ist aber fast dieselbe.</translation>
    </message>
    <message>
        <source>The recent NASA probe to Pluto, New Horizons, has used this technique at Jupiter to pick up speed.</source>
        <translation>Die NASA-Sonde New Horizons zum Pluto holte so am Jupiter Schwung.</translation>
    </message>
    <message>
        <source>To see the change is speed, go to measurement tab and select show data table to see speeds.</source>
        <translation>Die Änderung der Geschwindigkeit zeigt die Datentabelle auf der Seite Messungen.</translation>
    </message>
    <message>
        <source>Gravity assist</source>
        <translation>Swing-by</translation>
    </message>
    <message>
        <source>when probes fly by planets to gain or lose speed.</source>
        <translation>wenn Sonden an Planeten vorbeifliegen, um schneller oder langsamer zu werden.</translation>
    </message>
    <message>
        <source>The recent NASA probe to Mercury, Messenger, will be using this technique numerous times.</source>
        <translation>Die NASA-Sonde Messenger zum Merkur nutzte diese Technik mehrmals.</translation>
    </message>
    <message>
        <source>Monkey Gun: Horizontal shot</source>
        <translation>Affe und Jäger: Waagrechter Schuss</translation>
    </message>
    <message>
        <source>Shoot the falling target!  Where should you aim?</source>
        <translation>Triff das fallende Ziel!  Wohin musst du zielen?</translation>
    </message>
    <message>
        <source>Demonstrates the classic &quot;Monkey gun&quot; demo in the simplest form.</source>
        <translation>Zeigt den klassischen Versuch „Affe und Jäger“ in seiner einfachsten Form.</translation>
    </message>
    <message>
        <source>Fire at a target directly opposite from you.</source>
        <translation>Schieße auf ein Ziel genau gegenüber.</translation>
    </message>
    <message>
        <source>Monkey Gun: Angled Shot</source>
        <translation>Affe und Jäger: Schräger Schuss</translation>
    </message>
    <message>
        <source>Demonstrates the classic &quot;Monkey gun&quot; demo.</source>
        <translation>Zeigt den klassischen Versuch „Affe und Jäger“.</translation>
    </message>
    <message>
        <source>Fire at a target that is angled above you.</source>
        <translation>Schieße auf ein Ziel schräg über dir.</translation>
    </message>
    <message>
        <source>Show that the angle of the table and the velocity</source>
        <translation>Zeige, dass die Neigung des Tischs und die Geschwindigkeit</translation>
    </message>
    <message>
        <source>you shoot at has no bearing on where you aim.</source>
        <translation>keinen Einfluss darauf haben, wohin man zielt.</translation>
    </message>
    <message>
        <source>Collision Samples #1:Billiard ball </source>
        <translation>Stoßbeispiele Nr. 1: Billardkugel </translation>
    </message>
    <message>
        <source>What is a collision?</source>
        <translation>Was ist ein Stoß?</translation>
    </message>
    <message>
        <source>Here is a typical Total elastic collision. (no energy lost)</source>
        <translation>Hier ein typischer vollständig elastischer Stoß (ohne Energieverlust).</translation>
    </message>
    <message>
        <source>This is equivalent to two billiard balls colliding.</source>
        <translation>Das entspricht zwei zusammenstoßenden Billardkugeln.</translation>
    </message>
    <message>
        <source>After the collision stop the motion.</source>
        <translation>Halte die Bewegung nach dem Stoß an.</translation>
    </message>
    <message>
        <source>Go to the Measurements tab, and click show data table.</source>
        <translation>Gehe zur Seite Messungen und klicke auf Datentabelle.</translation>
    </message>
    <message>
        <source>Show the graphs of the scalar energy quantities or see it in the table.</source>
        <translation>Zeige die Graphen der Energiebeträge oder lies sie in der Tabelle ab.</translation>
    </message>
    <message>
        <source>Notice Energy in equals energy out.</source>
        <translation>Beachte: Die Energie vorher ist gleich der Energie nachher.</translation>
    </message>
    <message>
        <source>Vary the masses and velocities and compare energies.</source>
        <translation>Verändere Massen und Geschwindigkeiten und vergleiche die Energien.</translation>
    </message>
    <message>
        <source>Collision Samples #1:Spring</source>
        <translation>Stoßbeispiele Nr. 1: Feder</translation>
    </message>
    <message>
        <source>An extension to the Collision Samples #1:Billiard ball collision.</source>
        <translation>Eine Erweiterung des Stoßes „Stoßbeispiele Nr. 1: Billardkugel“.</translation>
    </message>
    <message>
        <source>This time a spring &quot;buffers&quot; the collision.</source>
        <translation>Diesmal „puffert“ eine Feder den Stoß.</translation>
    </message>
    <message>
        <source>Analyse the collision in the data table or the graph.</source>
        <translation>Untersuche den Stoß in der Datentabelle oder im Graphen.</translation>
    </message>
    <message>
        <source>Notice total energy is conserved.</source>
        <translation>Beachte: Die Gesamtenergie bleibt erhalten.</translation>
    </message>
    <message>
        <source>Where does the Energy go during the collision?</source>
        <translation>Wohin geht die Energie während des Stoßes?</translation>
    </message>
    <message>
        <source>Collision Samples #1:Electrostatic</source>
        <translation>Stoßbeispiele Nr. 1: Elektrostatisch</translation>
    </message>
    <message>
        <source>The third example of a Total elastic collision.</source>
        <translation>Das dritte Beispiel eines vollständig elastischen Stoßes.</translation>
    </message>
    <message>
        <source>Notice the conservation of Energy again.</source>
        <translation>Beachte wieder die Erhaltung der Energie.</translation>
    </message>
    <message>
        <source>Try with varying mass and speeds.</source>
        <translation>Probiere verschiedene Massen und Tempi aus.</translation>
    </message>
    <message>
        <source>Change the range of the effects of the elctrostatic forces.</source>
        <translation>Ändere die Reichweite der elektrostatischen Kräfte.</translation>
    </message>
    <message>
        <source>We can say all collisions are really just electrostatic collisions.  Why?</source>
        <translation>Man kann sagen, alle Stöße sind eigentlich elektrostatisch.  Warum?</translation>
    </message>
    <message>
        <source>Collision Types: Total Elastic Collision</source>
        <translation>Stoßarten: Vollständig elastischer Stoß</translation>
    </message>
    <message>
        <source>The classic collision.</source>
        <translation>Der klassische Stoß.</translation>
    </message>
    <message>
        <source>After the collision check the energies before and after the collision in the data table.</source>
        <translation>Vergleiche nach dem Stoß die Energien vorher und nachher in der Datentabelle.</translation>
    </message>
    <message>
        <source>Notice what happens to the red puck after the collision.</source>
        <translation>Beachte, was mit dem roten Puck nach dem Stoß geschieht.</translation>
    </message>
    <message>
        <source>Change the mass of the moving puck.  try t opredict what will happen before try run it.</source>
        <translation>Ändere die Masse des bewegten Pucks.  Sage voraus, was passiert, bevor du ihn startest.</translation>
    </message>
    <message>
        <source>Collision Types: Partial Elastic collision</source>
        <translation>Stoßarten: Teilelastischer Stoß</translation>
    </message>
    <message>
        <source>This is when some energy is lost during the collision.</source>
        <translation>Hier geht beim Stoß etwas Energie verloren.</translation>
    </message>
    <message>
        <source>Notice how the block seems to follow the other block.</source>
        <translation>Beachte, wie der eine Block dem anderen zu folgen scheint.</translation>
    </message>
    <message>
        <source>Try different efficiencies lower than 100% that are on the controls tab.</source>
        <translation>Probiere auf der Seite Einstellungen Wirkungsgrade unter 100% aus.</translation>
    </message>
    <message>
        <source>Notice what happens as the efficiency approaches zero?</source>
        <translation>Was geschieht, wenn der Wirkungsgrad gegen null geht?</translation>
    </message>
    <message>
        <source>Collision Types: Total Inelastic Collision</source>
        <translation>Stoßarten: Vollständig unelastischer Stoß</translation>
    </message>
    <message>
        <source>Notice how they stay stuck together.  They did not bounce off therefore not elastic.</source>
        <translation>Beachte, wie sie aneinander haften.  Sie prallen nicht ab, der Stoß ist also nicht elastisch.</translation>
    </message>
    <message>
        <source>Try varying the masses and different speeds of the pucks.</source>
        <translation>Verändere die Massen und die Geschwindigkeiten der Pucks.</translation>
    </message>
    <message>
        <source>Collision Types: Explosion #1</source>
        <translation>Stoßarten: Explosion Nr. 1</translation>
    </message>
    <message>
        <source>Notice how they explode apart.  Notice energy difference if you analyse the data table.</source>
        <translation>Beachte, wie sie auseinanderfliegen.  Beachte den Energieunterschied in der Datentabelle.</translation>
    </message>
    <message>
        <source>Collision Types: Explosion #2</source>
        <translation>Stoßarten: Explosion Nr. 2</translation>
    </message>
    <message>
        <source>Notice how the spring can add energy to the system.</source>
        <translation>Beachte, wie die Feder dem System Energie zuführen kann.</translation>
    </message>
    <message>
        <source>Try varying the masses and see how different masses affect the final speeds.</source>
        <translation>Verändere die Massen und sieh, wie sie die Geschwindigkeiten am Ende beeinflussen.</translation>
    </message>
    <message>
        <source>2-D Collision Samples #1:TEC</source>
        <translation>2-D-Stoßbeispiele Nr. 1: Vollständig elastisch</translation>
    </message>
    <message>
        <source>This is a simple 2-D of collision.</source>
        <translation>Ein einfacher Stoß in 2-D.</translation>
    </message>
    <message>
        <source>After the collision use the momentum analysis tools</source>
        <translation>Nutze nach dem Stoß die Werkzeuge der Impulsanalyse</translation>
    </message>
    <message>
        <source>after hitting the &quot;Show Data Table&quot;.</source>
        <translation>nach einem Klick auf „Datentabelle“.</translation>
    </message>
    <message>
        <source>Show that momentum before equals sum of momentum after.</source>
        <translation>Zeige, dass der Impuls vorher gleich der Summe der Impulse nachher ist.</translation>
    </message>
    <message>
        <source>2-D Collision Samples #1: Partial Elastic</source>
        <translation>2-D-Stoßbeispiele Nr. 1: Teilelastisch</translation>
    </message>
    <message>
        <source>Has the same starting collision as in the TEC.</source>
        <translation>Beginnt wie der vollständig elastische Stoß.</translation>
    </message>
    <message>
        <source>Notice the change in angles after the collision. </source>
        <translation>Beachte die Änderung der Winkel nach dem Stoß. </translation>
    </message>
    <message>
        <source>Analyze the momentum vectors again to show total before</source>
        <translation>Untersuche wieder die Impulsvektoren, um zu zeigen, dass der Gesamtimpuls vorher</translation>
    </message>
    <message>
        <source>is the same as total after.</source>
        <translation>gleich dem Gesamtimpuls nachher ist.</translation>
    </message>
    <message>
        <source>Modify the percent of elasticity on the Controls Tab</source>
        <translation>Ändere den Elastizitätsanteil auf der Seite Einstellungen</translation>
    </message>
    <message>
        <source>Notice how the total kinetic Energy changes</source>
        <translation>Beachte, wie sich die gesamte kinetische Energie ändert</translation>
    </message>
    <message>
        <source>but momentum after always matches momentum before</source>
        <translation>aber der Impuls nachher stimmt immer mit dem Impuls vorher überein</translation>
    </message>
    <message>
        <source>2-D Collision Samples #1: Electrostatic</source>
        <translation>2-D-Stoßbeispiele Nr. 1: Elektrostatisch</translation>
    </message>
    <message>
        <source>Same starting conditions as in previous examples.</source>
        <translation>Gleiche Anfangsbedingungen wie in den vorigen Beispielen.</translation>
    </message>
    <message>
        <source>now you can analyse the collision at any time</source>
        <translation>Jetzt kannst du den Stoß zu jeder Zeit</translation>
    </message>
    <message>
        <source>during the collision by sliding the time scroll bar on the</source>
        <translation>während des Stoßes mit dem Zeitbalken auf der Seite</translation>
    </message>
    <message>
        <source>momentum anaysis Tab.</source>
        <translation>Impulsanalyse untersuchen.</translation>
    </message>
    <message>
        <source>Click on View-&gt;Center of Mass.  This shows that the </source>
        <translation>Klicke auf Ansicht-&gt;Schwerpunkt.  Das zeigt, dass der </translation>
    </message>
    <message>
        <source>Center of mass of the system always follows the same direction and speed.</source>
        <translation>Der Schwerpunkt des Systems bewegt sich immer mit gleicher Richtung und gleicher Geschwindigkeit.</translation>
    </message>
    <message>
        <source>Try this for all collisons!!</source>
        <translation>Probiere das bei allen Stößen aus!!</translation>
    </message>
    <message>
        <source>2-D Collision Samples #1: Total Inelastic</source>
        <translation>2-D-Stoßbeispiele Nr. 1: Vollständig unelastisch</translation>
    </message>
    <message>
        <source>Same starting conditions.</source>
        <translation>Gleiche Anfangsbedingungen.</translation>
    </message>
    <message>
        <source>Notice how the objects are stuck together after collision.</source>
        <translation>Beachte, wie die Körper nach dem Stoß aneinander haften.</translation>
    </message>
    <message>
        <source>The energy &quot;lost&quot; in the collision, some goes into rotational energy.</source>
        <translation>Von der beim Stoß „verlorenen“ Energie geht ein Teil in Rotationsenergie über.</translation>
    </message>
    <message>
        <source>Change the position of the red puck so that after the collision </source>
        <translation>Verschiebe den roten Puck so, dass er nach dem Stoß </translation>
    </message>
    <message>
        <source>no rotational energy is present.</source>
        <translation>keine Rotationsenergie auftritt.</translation>
    </message>
    <message>
        <source>Once again check path of center of mass!</source>
        <translation>Prüfe wieder die Bahn des Schwerpunkts!</translation>
    </message>
    <message>
        <source>Gravity Assist</source>
        <translation>Swing-by</translation>
    </message>
    <message>
        <source>In order to save rocket fuel on deep space missions NASA</source>
        <translation>Um auf Missionen ins All Treibstoff zu sparen, hat die NASA</translation>
    </message>
    <message>
        <source>has successfully used gravity assist to either slow down</source>
        <translation>mit Erfolg Swing-by-Manöver genutzt, um Raumsonden abzubremsen</translation>
    </message>
    <message>
        <source>or speed the spacecraft up.  The theory is straight forward,</source>
        <translation>oder zu beschleunigen.  Die Theorie ist einfach,</translation>
    </message>
    <message>
        <source>but the trick is to get the probe coming in at the right angle.</source>
        <translation>der Kniff ist, die Sonde unter dem richtigen Winkel heranzuführen.</translation>
    </message>
    <message>
        <source>It works as follows, relative to the planet the probe is </source>
        <translation>Es geht so: Vom Planeten aus gesehen </translation>
    </message>
    <message>
        <source>entering and leaving the the planet at the same speed.  </source>
        <translation>kommt die Sonde mit derselben Geschwindigkeit an, mit der sie abfliegt.  </translation>
    </message>
    <message>
        <source>But since the probe is leaving at a different angle, </source>
        <translation>Da die Sonde aber unter einem anderen Winkel abfliegt, </translation>
    </message>
    <message>
        <source>when you add the velocity of the planet back to the probe</source>
        <translation>Addiert man die Geschwindigkeit des Planeten wieder zu der der Sonde,</translation>
    </message>
    <message>
        <source>it will have a different final velocity.</source>
        <translation>hat sie am Ende eine andere Geschwindigkeit.</translation>
    </message>
    <message>
        <source>Notice the planet losses the same amount of energy the probe gains.</source>
        <translation>Beachte: Der Planet verliert so viel Energie, wie die Sonde gewinnt.</translation>
    </message>
    <message>
        <source>Rounding errors in calculations may make the total slightly off.</source>
        <translation>Rundungsfehler können die Summe leicht verfälschen.</translation>
    </message>
    <message>
        <source>Monkey Gun</source>
        <translation>Affe und Jäger</translation>
    </message>
    <message>
        <source>An internet search on &quot;monkey Gun Physics&quot; will result</source>
        <translation>Eine Internetsuche nach „Affe und Jäger Physik“ liefert</translation>
    </message>
    <message>
        <source>in a greater explaination of the scenario. But the</source>
        <translation>eine ausführlichere Erklärung des Versuchs. Die</translation>
    </message>
    <message>
        <source>the general question is where should you aim a tranquilizer</source>
        <translation>Grundfrage lautet: Wohin soll man mit dem Betäubungsgewehr</translation>
    </message>
    <message>
        <source>gun if the monkey falls right as you shoot the gun?</source>
        <translation>zielen, wenn sich der Affe genau beim Schuss fallen lässt?</translation>
    </message>
    <message>
        <source>This is an excersize in showing the independance of vertical</source>
        <translation>Die Übung zeigt die Unabhängigkeit der senkrechten</translation>
    </message>
    <message>
        <source>and horizontal components.  It is a great exercise to prove</source>
        <translation>und waagrechten Komponenten.  Es ist eine gute Übung, das</translation>
    </message>
    <message>
        <source>this algebraically.</source>
        <translation>auch rechnerisch zu beweisen.</translation>
    </message>
    <message>
        <source>1-D collisions</source>
        <translation>1-D-Stöße</translation>
    </message>
    <message>
        <source>These provide a good starting point for understanding collisions.</source>
        <translation>Sie sind ein guter Einstieg, um Stöße zu verstehen.</translation>
    </message>
    <message>
        <source>The 1-D scenario provides a more intuitive starting point</source>
        <translation>Der 1-D-Fall bietet einen anschaulicheren Einstieg</translation>
    </message>
    <message>
        <source>for understanding the general principles of collisions.</source>
        <translation>in die allgemeinen Grundsätze von Stößen.</translation>
    </message>
    <message>
        <source>To discuss what happens during the collision do the</source>
        <translation>Um zu besprechen, was während des Stoßes geschieht, führe den</translation>
    </message>
    <message>
        <source>collision as a spring collision but keep the spring constant</source>
        <translation>Stoß mit Feder aus, halte aber die Federkonstante</translation>
    </message>
    <message>
        <source>low and the length large.  You can easily see the energy</source>
        <translation>klein und die Länge groß.  So sieht man leicht die Energie-</translation>
    </message>
    <message>
        <source>transfer and go over the energy transfer on the graphs</source>
        <translation>übertragung und kann sie in den Graphen auf der Seite Messungen</translation>
    </message>
    <message>
        <source>in the measurement tab.</source>
        <translation>auf der Seite Messungen durch.</translation>
    </message>
    <message>
        <source>This is a list of the primary types of collisions</source>
        <translation>Hier sind die wichtigsten Arten von Stößen.</translation>
    </message>
    <message>
        <source>Ideal as a starting point for demos or labs in class.</source>
        <translation>Ideal als Einstieg für Vorführungen oder Übungen im Unterricht.</translation>
    </message>
    <message>
        <source>Change the configuration by asking what if scenarios.</source>
        <translation>Ändere den Aufbau, indem du „Was wäre, wenn“-Fragen stellst.</translation>
    </message>
    <message>
        <source>Have them predict before running the changes!</source>
        <translation>Lass die Klasse vorhersagen, bevor die Änderung läuft!</translation>
    </message>
    <message>
        <source>2-D collisions</source>
        <translation>2-D-Stöße</translation>
    </message>
    <message>
        <source>This is a starting point in exploring 2-D collisions.</source>
        <translation>Ein Einstieg in die Untersuchung von 2-D-Stößen.</translation>
    </message>
    <message>
        <source>Simply change the pucks a velocity and masses and you have</source>
        <translation>Ändere einfach Geschwindigkeit und Masse der Pucks, und du hast</translation>
    </message>
    <message>
        <source>an unlimited range of collisions to do.  Show the students</source>
        <translation>unbegrenzt viele Stöße zur Auswahl.  Zeige der Klasse,</translation>
    </message>
    <message>
        <source>that with the same starting velocities moving the starting</source>
        <translation>dass bei gleichen Anfangsgeschwindigkeiten</translation>
    </message>
    <message>
        <source>position can dramatically change the outcome.</source>
        <translation>eine andere Startposition das Ergebnis stark verändern kann.</translation>
    </message>
    <message>
        <source>A quick a simple way to explore the properties of collisions.</source>
        <translation>Ein schneller und einfacher Weg, die Eigenschaften von Stößen zu erkunden.</translation>
    </message>
    <message>
        <source>Be sure to use the momentum analysis tool,found by clicking the</source>
        <translation>Nutze unbedingt die Impulsanalyse: Klicke dazu auf</translation>
    </message>
    <message>
        <source>the &quot;Show data table&quot; button to show momentum is conserved!</source>
        <translation>die Schaltfläche „Datentabelle“ und zeige, dass der Impuls erhalten bleibt!</translation>
    </message>
    <message>
        <source>Symmetric Pattern</source>
        <translation>Symmetrisches Muster</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Speed Up</source>
        <translation>Beschleunigen</translation>
    </message>
    <message>
        <source>Slow Down</source>
        <translation>Abbremsen</translation>
    </message>
    <message>
        <source>Monkey gun</source>
        <translation>Affe und Jäger</translation>
    </message>
    <message>
        <source>Horizontal Shot</source>
        <translation>Waagrechter Schuss</translation>
    </message>
    <message>
        <source>Angled Shot</source>
        <translation>Schräger Schuss</translation>
    </message>
    <message>
        <source>1-D Collision Samples #1</source>
        <translation>1-D-Stoßbeispiele Nr. 1</translation>
    </message>
    <message>
        <source>Billiard ball</source>
        <translation>Billardkugel</translation>
    </message>
    <message>
        <source>Spring</source>
        <translation>Feder</translation>
    </message>
    <message>
        <source>Electrostatic</source>
        <translation>Elektrostatisch</translation>
    </message>
    <message>
        <source>1-D Collision Types</source>
        <translation>1-D-Stoßarten</translation>
    </message>
    <message>
        <source>TEC</source>
        <translation>Elastisch</translation>
    </message>
    <message>
        <source>Partial</source>
        <translation>Teilelastisch</translation>
    </message>
    <message>
        <source>TIC</source>
        <translation>Unelastisch</translation>
    </message>
    <message>
        <source>Explosion #1</source>
        <translation>Explosion Nr. 1</translation>
    </message>
    <message>
        <source>Explosion #2</source>
        <translation>Explosion Nr. 2</translation>
    </message>
    <message>
        <source>2-D Collision Samples #1</source>
        <translation>2-D-Stoßbeispiele Nr. 1</translation>
    </message>
    <message>
        <source>Electrostatics</source>
        <translation>Elektrostatik</translation>
    </message>
</context>
<context>
    <name>ChallengeDialog</name>
    <message>
        <source>Mass of the black puck (1-D)</source>
        <translation>Masse des schwarzen Pucks (1-D)</translation>
    </message>
    <message>
        <source>Percent of a partly elastic collision (1-D)</source>
        <translation>Prozent eines teilelastischen Stoßes (1-D)</translation>
    </message>
    <message>
        <source>Launch speed of the red puck (1-D)</source>
        <translation>Startgeschwindigkeit des roten Pucks (1-D)</translation>
    </message>
    <message>
        <source>Mass of the black puck (2-D, glancing)</source>
        <translation>Masse des schwarzen Pucks (2-D, streifend)</translation>
    </message>
    <message>
        <source>The collision is elastic and the black puck starts at rest. Find its mass in kg.</source>
        <translation>Der Stoß ist elastisch, und der schwarze Puck ruht zu Beginn. Bestimme seine Masse in kg.</translation>
    </message>
    <message>
        <source>Both masses are shown. Find the percent of the Semi Elastic bar.</source>
        <translation>Beide Massen werden angezeigt. Bestimme die Prozentzahl des Reglers für den teilelastischen Stoß.</translation>
    </message>
    <message>
        <source>The collision is elastic; the trace before it is hidden. Find the red puck&apos;s speed in cm/s.</source>
        <translation>Der Stoß ist elastisch; die Spur davor ist verborgen. Bestimme die Geschwindigkeit des roten Pucks in cm/s.</translation>
    </message>
    <message>
        <source>A glancing elastic collision; the black puck starts at rest. Find its mass in kg.</source>
        <translation>Ein streifender elastischer Stoß; der schwarze Puck ruht zu Beginn. Bestimme seine Masse in kg.</translation>
    </message>
    <message>
        <source>Challenge</source>
        <translation>Herausforderung</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>A&amp;rt:</translation>
    </message>
    <message>
        <source>S&amp;eed:</source>
        <translation>&amp;Startzahl:</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Startzahl</translation>
    </message>
    <message>
        <source>Set &amp;Up</source>
        <translation>&amp;Einrichten</translation>
    </message>
    <message>
        <source>&amp;Answer:</source>
        <translation>A&amp;ntwort:</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Chec&amp;k</source>
        <translation>&amp;Prüfen</translation>
    </message>
    <message>
        <source>&amp;Reveal</source>
        <translation>&amp;Aufdecken</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Seed %1: %2</source>
        <translation>Startzahl %1: %2</translation>
    </message>
    <message>
        <source>Choose a kind and a seed, then Set Up.</source>
        <translation>Wähle eine Art und eine Startzahl, dann Einrichten.</translation>
    </message>
    <message>
        <source>Type a number, such as %1.</source>
        <translation>Gib eine Zahl ein, etwa %1.</translation>
    </message>
    <message>
        <source>within %1 %</source>
        <translation>innerhalb von %1 %</translation>
    </message>
    <message>
        <source>not yet (%1 of %2 tries used)</source>
        <translation>noch nicht (%1 von %2 Versuchen verbraucht)</translation>
    </message>
    <message>
        <source>not yet: no tries left; Reveal shows the value</source>
        <translation>noch nicht: keine Versuche mehr; Aufdecken zeigt den Wert</translation>
    </message>
    <message>
        <source>The answer is %1.</source>
        <translation>Die Antwort ist %1.</translation>
    </message>
</context>
<context>
    <name>ClassBoard</name>
    <message>
        <source>Class Results: %1</source>
        <translation>Klassenergebnisse: %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Handed in</source>
        <translation>Abgegeben</translation>
    </message>
    <message>
        <source>Last answer</source>
        <translation>Letzte Antwort</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Tries</source>
        <translation>Versuche</translation>
    </message>
    <message>
        <source>Revealed</source>
        <translation>Aufgedeckt</translation>
    </message>
    <message>
        <source>Prediction errors</source>
        <translation>Vorhersagefehler</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Not merged, because</source>
        <translation>Nicht übernommen, weil</translation>
    </message>
    <message>
        <source>Files not merged:</source>
        <translation>Nicht übernommene Dateien:</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>%1 of %2 handed in, from %3</source>
        <translation>%1 von %2 abgegeben, aus %3</translation>
    </message>
    <message>
        <source>CSV (*.csv);;Tab-separated (*.tsv)</source>
        <translation>CSV (*.csv);;Tabulatorgetrennt (*.tsv)</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xport...</translation>
    </message>
    <message>
        <source>Show the class&apos;s &amp;predictions on the presentation window:</source>
        <translation>&amp;Vorhersagen der Klasse im Präsentationsfenster zeigen:</translation>
    </message>
    <message>
        <source>red speed after</source>
        <translation>Geschwindigkeit Rot danach</translation>
    </message>
    <message>
        <source>red direction after</source>
        <translation>Richtung Rot danach</translation>
    </message>
    <message>
        <source>black speed after</source>
        <translation>Geschwindigkeit Schwarz danach</translation>
    </message>
    <message>
        <source>black direction after</source>
        <translation>Richtung Schwarz danach</translation>
    </message>
    <message>
        <source>Co&amp;llect</source>
        <translation>Ei&amp;nsammeln</translation>
    </message>
    <message>
        <source>Take hand-ins over the classroom&apos;s network while this window is open</source>
        <translation>Abgaben über das Netz des Klassenraums annehmen, solange dieses Fenster offen ist</translation>
    </message>
    <message>
        <source>Not collecting: nothing listens on the network.</source>
        <translation>Es wird nicht eingesammelt: Nichts wartet auf Verbindungen aus dem Netz.</translation>
    </message>
    <message>
        <source>Not collecting: %1</source>
        <translation>Es wird nicht eingesammelt: %1</translation>
    </message>
    <message>
        <source>Stop Co&amp;llecting</source>
        <translation>Einsammeln &amp;beenden</translation>
    </message>
    <message>
        <source>Collecting: students type %1 in Hand In.</source>
        <translation>Einsammeln läuft: beim Abgeben %1 eingeben.</translation>
    </message>
    <message>
        <source>Cop&amp;y</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Po&amp;rt:</source>
        <translation>Po&amp;rt:</translation>
    </message>
</context>
<context>
    <name>ClassCollect</name>
    <message>
        <source>refused: too many requests, wait a moment</source>
        <translation>abgelehnt: zu viele Anfragen, bitte einen Moment warten</translation>
    </message>
    <message>
        <source>refused: larger than a result file can be</source>
        <translation>abgelehnt: größer, als eine Ergebnisdatei sein kann</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <translation>abgelehnt: %1</translation>
    </message>
    <message>
        <source>already received: %1&apos;s hand-in</source>
        <translation>schon erhalten: die Abgabe von %1</translation>
    </message>
    <message>
        <source>refused: %1 has handed in as much as one machine may</source>
        <translation>abgelehnt: %1 hat so viel abgegeben, wie ein Rechner darf</translation>
    </message>
    <message>
        <source>refused: the teacher&apos;s folder is full</source>
        <translation>abgelehnt: Der Ordner der Lehrkraft ist voll</translation>
    </message>
    <message>
        <source>received: %1&apos;s hand-in</source>
        <translation>erhalten: die Abgabe von %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder</source>
        <translation>„%1“ ist kein Ordner</translation>
    </message>
    <message>
        <source>cannot listen on port %1: %2</source>
        <translation>Port %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>a file named %1 is already there</source>
        <translation>Eine Datei namens %1 ist schon da</translation>
    </message>
    <message>
        <source>%1: refused: not a hand-in</source>
        <translation>%1: abgelehnt: keine Abgabe</translation>
    </message>
    <message>
        <source>refused: not written: %1</source>
        <translation>abgelehnt: nicht geschrieben: %1</translation>
    </message>
</context>
<context>
    <name>ClassFile</name>
    <message>
        <source>line %1 is blank</source>
        <translation>Zeile %1 ist leer</translation>
    </message>
    <message>
        <source>line %1: not a name</source>
        <translation>Zeile %1: kein Name</translation>
    </message>
    <message>
        <source>line %1: &quot;%2&quot; twice</source>
        <translation>Zeile %1: „%2“ doppelt</translation>
    </message>
    <message>
        <source>line %1: over 1000 students</source>
        <translation>Zeile %1: mehr als 1000 Schülerinnen und Schüler</translation>
    </message>
    <message>
        <source>no names in the file</source>
        <translation>keine Namen in der Datei</translation>
    </message>
    <message>
        <source>not a Slidora class file</source>
        <translation>keine Klassendatei von Slidora</translation>
    </message>
    <message>
        <source>a class file of another version</source>
        <translation>eine Klassendatei einer anderen Version</translation>
    </message>
    <message>
        <source>the class file is damaged</source>
        <translation>die Klassendatei ist beschädigt</translation>
    </message>
</context>
<context>
    <name>ClassPredictions</name>
    <message>
        <source>red speed after (%1/s)</source>
        <translation>Geschwindigkeit Rot danach (%1/s)</translation>
    </message>
    <message>
        <source>red direction after (°)</source>
        <translation>Richtung Rot danach (°)</translation>
    </message>
    <message>
        <source>black speed after (%1/s)</source>
        <translation>Geschwindigkeit Schwarz danach (%1/s)</translation>
    </message>
    <message>
        <source>black direction after (°)</source>
        <translation>Richtung Schwarz danach (°)</translation>
    </message>
    <message>
        <source>The class&apos;s predictions of %1: %2</source>
        <translation>Vorhersagen der Klasse für %1: %2</translation>
    </message>
</context>
<context>
    <name>ClassResults</name>
    <message>
        <source>belongs to another class</source>
        <translation>gehört zu einer anderen Klasse</translation>
    </message>
    <message>
        <source>its HMAC does not hold: changed after it was signed, or signed with another code</source>
        <translation>ihr HMAC stimmt nicht: nach dem Signieren geändert oder mit einem anderen Code signiert</translation>
    </message>
    <message>
        <source>names %1 but is signed with another student&apos;s code</source>
        <translation>nennt %1, ist aber mit dem Code einer anderen Person signiert</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not on the roster</source>
        <translation>„%1“ steht nicht auf der Klassenliste</translation>
    </message>
    <message>
        <source>the same file as %1</source>
        <translation>dieselbe Datei wie %1</translation>
    </message>
    <message>
        <source>an earlier hand-in of %1</source>
        <translation>eine frühere Abgabe von %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: no such folder</source>
        <translation>„%1“: kein solcher Ordner</translation>
    </message>
    <message>
        <source>the folder holds more than the board reads</source>
        <translation>der Ordner enthält mehr, als die Übersicht liest</translation>
    </message>
</context>
<context>
    <name>ClassSlips</name>
    <message>
        <source>Slidora, class %1</source>
        <translation>Slidora, Klasse %1</translation>
    </message>
    <message>
        <source>To join: open Slidora, choose File &gt; Join Class..., and type your name and this code. Keep the code to yourself: your hand-in is signed with it.</source>
        <translation>So trittst du bei: Öffne Slidora, wähle Datei &gt; Klasse beitreten... und gib deinen Namen und diesen Code ein. Behalte den Code für dich: Deine Abgabe wird damit unterschrieben.</translation>
    </message>
    <message>
        <source>Join codes of %1</source>
        <translation>Beitrittscodes von %1</translation>
    </message>
</context>
<context>
    <name>DataTable</name>
    <message>
        <source>R Speed</source>
        <translation>R Geschw.</translation>
    </message>
    <message>
        <source>R Angle</source>
        <translation>R Winkel</translation>
    </message>
    <message>
        <source>R Energy</source>
        <translation>R Energie</translation>
    </message>
    <message>
        <source>R Mom</source>
        <translation>R Impuls</translation>
    </message>
    <message>
        <source>B Speed</source>
        <translation>S Geschw.</translation>
    </message>
    <message>
        <source>B Angle</source>
        <translation>S Winkel</translation>
    </message>
    <message>
        <source>B Energy</source>
        <translation>S Energie</translation>
    </message>
    <message>
        <source>B Mom</source>
        <translation>S Impuls</translation>
    </message>
    <message>
        <source>Compression </source>
        <translation>Stauchung </translation>
    </message>
    <message>
        <source>time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Spring Energy</source>
        <translation>Federenergie</translation>
    </message>
    <message>
        <source>Field Energy</source>
        <translation>Feldenergie</translation>
    </message>
    <message>
        <source>Total Energy</source>
        <translation>Gesamtenergie</translation>
    </message>
    <message>
        <source>R Force</source>
        <translation>R Kraft</translation>
    </message>
    <message>
        <source>B Force</source>
        <translation>S Kraft</translation>
    </message>
    <message>
        <source>R Force x</source>
        <translation>R Kraft x</translation>
    </message>
    <message>
        <source>R Force y</source>
        <translation>R Kraft y</translation>
    </message>
    <message>
        <source>B Force x</source>
        <translation>S Kraft x</translation>
    </message>
    <message>
        <source>B Force y</source>
        <translation>S Kraft y</translation>
    </message>
</context>
<context>
    <name>DataWindow</name>
    <message>
        <source>Collision Data</source>
        <translation>Stoßdaten</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Copy Graph</source>
        <translation>Graph kopieren</translation>
    </message>
    <message>
        <source>Print Graph</source>
        <translation>Graph drucken</translation>
    </message>
    <message>
        <source>Export Data...</source>
        <translation>Daten exportieren...</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Druckereinrichtung</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>Da&amp;ten</translation>
    </message>
    <message>
        <source>&amp;Graph</source>
        <translation>&amp;Graph</translation>
    </message>
    <message>
        <source>&amp;Momentum Analysis</source>
        <translation>&amp;Impulsanalyse</translation>
    </message>
    <message>
        <source>&amp;Before and After</source>
        <translation>&amp;Vorher und nachher</translation>
    </message>
    <message>
        <source>Data table</source>
        <translation>Datentabelle</translation>
    </message>
    <message>
        <source>Table time</source>
        <translation>Zeit der Tabelle</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Vorher</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Nachher</translation>
    </message>
    <message>
        <source>What the numbers say</source>
        <translation>Was die Zahlen sagen</translation>
    </message>
    <message>
        <source>Table frequency</source>
        <translation>Frequenz der Tabelle</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>Component</source>
        <translation>Komponente</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Reihe</translation>
    </message>
    <message>
        <source>Graph frequency</source>
        <translation>Frequenz des Graphen</translation>
    </message>
    <message>
        <source>Draw to</source>
        <translation>Zeichnen bis</translation>
    </message>
    <message>
        <source>Momentum vectors</source>
        <translation>Impulsvektoren</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Maßstab</translation>
    </message>
    <message>
        <source>Momentum time</source>
        <translation>Zeit der Impulse</translation>
    </message>
    <message>
        <source>Red momentum before</source>
        <translation>Impuls Rot vorher</translation>
    </message>
    <message>
        <source>Red momentum after</source>
        <translation>Impuls Rot nachher</translation>
    </message>
    <message>
        <source>Black momentum before</source>
        <translation>Impuls Schwarz vorher</translation>
    </message>
    <message>
        <source>Black momentum after</source>
        <translation>Impuls Schwarz nachher</translation>
    </message>
    <message>
        <source>Red angle before</source>
        <translation>Winkel Rot vorher</translation>
    </message>
    <message>
        <source>Red angle after</source>
        <translation>Winkel Rot nachher</translation>
    </message>
    <message>
        <source>Black angle before</source>
        <translation>Winkel Schwarz vorher</translation>
    </message>
    <message>
        <source>Black angle after</source>
        <translation>Winkel Schwarz nachher</translation>
    </message>
    <message>
        <source>Data pages</source>
        <translation>Datenseiten</translation>
    </message>
    <message>
        <source>Red momentum at the start</source>
        <translation>Impuls Rot zu Beginn</translation>
    </message>
    <message>
        <source>Red momentum at time t</source>
        <translation>Impuls Rot zur Zeit t</translation>
    </message>
    <message>
        <source>Black momentum at the start</source>
        <translation>Impuls Schwarz zu Beginn</translation>
    </message>
    <message>
        <source>Black momentum at time t</source>
        <translation>Impuls Schwarz zur Zeit t</translation>
    </message>
    <message>
        <source>Resultant</source>
        <translation>Resultierende</translation>
    </message>
    <message>
        <source>%1, tail</source>
        <translation>%1, Anfang</translation>
    </message>
    <message>
        <source>%1, head</source>
        <translation>%1, Spitze</translation>
    </message>
    <message>
        <source>TAB separated (*.tsv *.txt)</source>
        <translation>Tabulatorgetrennt (*.tsv *.txt)</translation>
    </message>
    <message>
        <source>Comma separated (*.csv)</source>
        <translation>Kommagetrennt (*.csv)</translation>
    </message>
    <message>
        <source>&amp;Keep This Run</source>
        <translation>Diesen Lauf &amp;behalten</translation>
    </message>
    <message>
        <source>Clear Kept Runs</source>
        <translation>Behaltene Läufe verwerfen</translation>
    </message>
    <message>
        <source>Runs side by side</source>
        <translation>Läufe nebeneinander</translation>
    </message>
    <message>
        <source>Run %1</source>
        <translation>Lauf %1</translation>
    </message>
    <message>
        <source>This run</source>
        <translation>Dieser Lauf</translation>
    </message>
    <message>
        <source>red %1 kg at %2 %3</source>
        <translation>Rot %1 kg mit %2 %3</translation>
    </message>
    <message>
        <source>, black %1 kg at %2 %3</source>
        <translation>, Schwarz %1 kg mit %2 %3</translation>
    </message>
    <message>
        <source>elastic</source>
        <translation>elastisch</translation>
    </message>
    <message>
        <source>sticking</source>
        <translation>haftend</translation>
    </message>
    <message>
        <source>partly elastic</source>
        <translation>teilelastisch</translation>
    </message>
    <message>
        <source>electrostatic</source>
        <translation>elektrostatisch</translation>
    </message>
    <message>
        <source>circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>spring</source>
        <translation>Feder</translation>
    </message>
    <message>
        <source>&amp;Investigate</source>
        <translation>&amp;Untersuchen</translation>
    </message>
    <message>
        <source>Show &amp;Energy Page</source>
        <translation>&amp;Energieseite zeigen</translation>
    </message>
    <message>
        <source>&amp;Energy</source>
        <translation>&amp;Energie</translation>
    </message>
    <message>
        <source>From the centre of mass</source>
        <translation>Vom Schwerpunkt aus</translation>
    </message>
</context>
<context>
    <name>EnergyPage</name>
    <message>
        <source>red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>spring</source>
        <translation>Feder</translation>
    </message>
    <message>
        <source>field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>heat</source>
        <translation>Wärme</translation>
    </message>
    <message>
        <source>total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Energy (kg %1^2/s^2)</source>
        <translation>Energie (kg %1^2/s^2)</translation>
    </message>
    <message>
        <source>before</source>
        <translation>vorher</translation>
    </message>
    <message>
        <source>at %1 s</source>
        <translation>bei %1 s</translation>
    </message>
    <message>
        <source>after (%1 s)</source>
        <translation>nachher (%1 s)</translation>
    </message>
    <message>
        <source>Energy bars</source>
        <translation>Energiebalken</translation>
    </message>
    <message>
        <source>Before: total %1. At the time bar: red %2, black %3, total %4.</source>
        <translation>Vorher: gesamt %1. Am Zeitbalken: Rot %2, Schwarz %3, gesamt %4.</translation>
    </message>
    <message>
        <source>Not shown until the outcome is revealed.</source>
        <translation>Erst sichtbar, wenn das Ergebnis aufgedeckt ist.</translation>
    </message>
</context>
<context>
    <name>ExactDialog</name>
    <message>
        <source>Set Up Exactly</source>
        <translation>Genau einstellen</translation>
    </message>
    <message>
        <source>Red puck</source>
        <translation>Roter Puck</translation>
    </message>
    <message>
        <source>&amp;Mass (kg)</source>
        <translation>&amp;Masse (kg)</translation>
    </message>
    <message>
        <source>&amp;Speed (%1/s)</source>
        <translation>&amp;Geschwindigkeit (%1/s)</translation>
    </message>
    <message>
        <source>&amp;Direction (%1)</source>
        <translation>&amp;Richtung (%1)</translation>
    </message>
    <message>
        <source>&amp;x (%1)</source>
        <translation>&amp;x (%1)</translation>
    </message>
    <message>
        <source>&amp;y (%1)</source>
        <translation>&amp;y (%1)</translation>
    </message>
    <message>
        <source>&amp;Force (N)</source>
        <translation>&amp;Kraft (N)</translation>
    </message>
    <message>
        <source>Table &amp;angle (%1)</source>
        <translation>Tisch&amp;winkel (%1)</translation>
    </message>
    <message>
        <source>Elastic &amp;percent (%)</source>
        <translation>Elastizität in &amp;Prozent (%)</translation>
    </message>
    <message>
        <source>Spring &amp;k (N/m)</source>
        <translation>Feder-&amp;k (N/m)</translation>
    </message>
    <message>
        <source>Spring &amp;length (cm)</source>
        <translation>Feder&amp;länge (cm)</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Reichweite</translation>
    </message>
    <message>
        <source>&amp;Range</source>
        <translation>Rei&amp;chweite</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>Red mass</source>
        <translation>Masse Rot</translation>
    </message>
    <message>
        <source>Red speed</source>
        <translation>Geschwindigkeit Rot</translation>
    </message>
    <message>
        <source>Red direction</source>
        <translation>Richtung Rot</translation>
    </message>
    <message>
        <source>Red x</source>
        <translation>x Rot</translation>
    </message>
    <message>
        <source>Red y</source>
        <translation>y Rot</translation>
    </message>
    <message>
        <source>Black mass</source>
        <translation>Masse Schwarz</translation>
    </message>
    <message>
        <source>Black speed</source>
        <translation>Geschwindigkeit Schwarz</translation>
    </message>
    <message>
        <source>Black direction</source>
        <translation>Richtung Schwarz</translation>
    </message>
    <message>
        <source>Black x</source>
        <translation>x Schwarz</translation>
    </message>
    <message>
        <source>Black y</source>
        <translation>y Schwarz</translation>
    </message>
    <message>
        <source>Elastic percent</source>
        <translation>Elastizität in Prozent</translation>
    </message>
    <message>
        <source>Table angle</source>
        <translation>Tischwinkel</translation>
    </message>
    <message>
        <source>Spring k</source>
        <translation>Feder-k</translation>
    </message>
    <message>
        <source>Spring length</source>
        <translation>Federlänge</translation>
    </message>
    <message>
        <source>Red charge</source>
        <translation>Ladung Rot</translation>
    </message>
    <message>
        <source>Black charge</source>
        <translation>Ladung Schwarz</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Kraft</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>keine Zahl</translation>
    </message>
    <message>
        <source>The pucks would overlap.</source>
        <translation>Die Pucks würden sich überdecken.</translation>
    </message>
    <message>
        <source>Ok resets the table first.</source>
        <translation>OK setzt den Tisch zuerst zurück.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number; it takes %3.</source>
        <translation>%1: „%2“ ist keine Zahl; erlaubt sind %3.</translation>
    </message>
    <message>
        <source>%1 takes %2.</source>
        <translation>%1: erlaubt sind %2.</translation>
    </message>
    <message>
        <source>The pucks would overlap: place them further apart.</source>
        <translation>Die Pucks würden sich überdecken: bitte weiter auseinander setzen.</translation>
    </message>
    <message>
        <source>C&amp;harge</source>
        <translation>&amp;Ladung</translation>
    </message>
    <message>
        <source>Black puck</source>
        <translation>Schwarzer Puck</translation>
    </message>
</context>
<context>
    <name>ExperimentBox</name>
    <message>
        <source>Collisions (*.col)</source>
        <translation>Stöße (*.col)</translation>
    </message>
    <message>
        <source>Click load to choose a file!</source>
        <translation>Klicke auf Laden, um eine Datei zu wählen!</translation>
    </message>
    <message>
        <source>Type in explaination here!</source>
        <translation>Gib hier eine Erklärung ein!</translation>
    </message>
    <message>
        <source>Explanation</source>
        <translation>Erklärung</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Laden</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source>Is this the right Experiment?</source>
        <translation>Ist das das richtige Experiment?</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>Load an Experiment</source>
        <translation>Experiment laden</translation>
    </message>
    <message>
        <source>Save an Experiment</source>
        <translation>Experiment speichern</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Line %1 of the explanation reads &quot;%2&quot;, which marks where an experiment&apos;s numbers begin. Change that line, then save.</source>
        <translation>Zeile %1 der Erklärung lautet „%2“; so wird der Beginn der Zahlen eines Experiments markiert. Ändere diese Zeile und speichere dann.</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Challenges can&apos;t be saved; note the seed instead</source>
        <translation>Herausforderungen lassen sich nicht speichern; notiere stattdessen die Startzahl</translation>
    </message>
    <message>
        <source>Lessons (*.ini);;All files (*)</source>
        <translation>Unterrichtsstunden (*.ini);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Join your class first (File &gt; Join Class...).</source>
        <translation>Tritt zuerst deiner Klasse bei (Datei &gt; Klasse beitreten...).</translation>
    </message>
    <message>
        <source>Slidora result (*.slidora-result)</source>
        <translation>Slidora-Ergebnis (*.slidora-result)</translation>
    </message>
    <message>
        <source>Slidora class (*.slidora-class)</source>
        <translation>Slidora-Klasse (*.slidora-class)</translation>
    </message>
    <message>
        <source>Handed in to %1.</source>
        <translation>Abgegeben in %1.</translation>
    </message>
    <message>
        <source>Handed in: %1</source>
        <translation>Abgegeben: %1</translation>
    </message>
    <message>
        <source>Not handed in: %1</source>
        <translation>Nicht abgegeben: %1</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>Export Data</source>
        <translation>Daten exportieren</translation>
    </message>
    <message>
        <source>The data &amp;table, at its frequency</source>
        <translation>Die Daten&amp;tabelle in ihrer Frequenz</translation>
    </message>
    <message>
        <source>&amp;Every sample</source>
        <translation>&amp;Jede Messung</translation>
    </message>
    <message>
        <source>&amp;Before and after</source>
        <translation>&amp;Vorher und nachher</translation>
    </message>
    <message>
        <source>CSV, &amp;comma separated, point decimal</source>
        <translation>CSV, &amp;Komma als Trenner, Dezimalpunkt</translation>
    </message>
    <message>
        <source>CSV, &amp;semicolon separated, comma decimal</source>
        <translation>CSV, &amp;Semikolon als Trenner, Dezimalkomma</translation>
    </message>
    <message>
        <source>T&amp;AB separated, as &quot;Copy All Data&quot;</source>
        <translation>Ta&amp;bulatorgetrennt, wie „Alles kopieren“</translation>
    </message>
    <message>
        <source>&amp;Full precision (exact numbers)</source>
        <translation>Volle &amp;Genauigkeit (exakte Zahlen)</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
</context>
<context>
    <name>FileReading</name>
    <message>
        <source>Invalid numeric input in number %1 of the experiment</source>
        <translation>Ungültige Zahl an Stelle %1 des Experiments</translation>
    </message>
    <message>
        <source>The experiment holds %1 numbers instead of 27</source>
        <translation>Das Experiment enthält %1 statt 27 Zahlen</translation>
    </message>
    <message>
        <source>Invalid numeric input</source>
        <translation>Ungültige Zahl</translation>
    </message>
    <message>
        <source>The experiment holds more than 27 numbers</source>
        <translation>Das Experiment enthält mehr als 27 Zahlen</translation>
    </message>
    <message>
        <source>The file holds no experiment data (no line &quot;START EXPERIMENT DATA&quot;).</source>
        <translation>Die Datei enthält keine Experimentdaten (keine Zeile „START EXPERIMENT DATA“).</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>larger than %1 KB, too large for this kind of file</source>
        <translation>größer als %1 KB, zu groß für diese Art Datei</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
</context>
<context>
    <name>FitControls</name>
    <message>
        <source>Copy Fit</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Too few points in the stretch for this fit.</source>
        <translation>Zu wenige Punkte im Bereich für diese Kurve.</translation>
    </message>
    <message>
        <source>error of a %1, RMS %2, r² %3</source>
        <translation>Fehler von a %1, RMS %2, r² %3</translation>
    </message>
</context>
<context>
    <name>GraphPage</name>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Geschwindigkeit:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Zeit:</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>Zeichnen</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Energie</translation>
    </message>
    <message>
        <source>Momentum</source>
        <translation>Impuls</translation>
    </message>
    <message>
        <source>X Component</source>
        <translation>x-Komponente</translation>
    </message>
    <message>
        <source>Y Component</source>
        <translation>y-Komponente</translation>
    </message>
    <message>
        <source>Scalar Values</source>
        <translation>Beträge</translation>
    </message>
    <message>
        <source>Red puck</source>
        <translation>Roter Puck</translation>
    </message>
    <message>
        <source>Black Puck</source>
        <translation>Schwarzer Puck</translation>
    </message>
    <message>
        <source>Total Only</source>
        <translation>Nur Summe</translation>
    </message>
    <message>
        <source>Red And Black</source>
        <translation>Rot und Schwarz</translation>
    </message>
    <message>
        <source>Red, Black and Total</source>
        <translation>Rot, Schwarz und Summe</translation>
    </message>
    <message>
        <source>Freq</source>
        <translation>Freq.</translation>
    </message>
    <message>
        <source>Draw to 0.00 s</source>
        <translation>Zeichnen bis 0,00 s</translation>
    </message>
    <message>
        <source>Plot Spring Energy</source>
        <translation>Federenergie zeichnen</translation>
    </message>
    <message>
        <source>Draw to %1 s</source>
        <translation>Zeichnen bis %1 s</translation>
    </message>
    <message>
        <source>Time :%1</source>
        <translation>Zeit :%1</translation>
    </message>
    <message>
        <source>Fi&amp;t:</source>
        <translation>&amp;Kurve:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Line: y = a t + b</source>
        <translation>Gerade: y = a t + b</translation>
    </message>
    <message>
        <source>Parabola: y = a t² + b t + c</source>
        <translation>Parabel: y = a t² + b t + c</translation>
    </message>
    <message>
        <source>Black puck</source>
        <translation>Schwarzer Puck</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Series fitted</source>
        <translation>Angepasste Reihe</translation>
    </message>
    <message>
        <source>Fit from (s)</source>
        <translation>Ausgleich von (s)</translation>
    </message>
    <message>
        <source>Fit to (s)</source>
        <translation>Ausgleich bis (s)</translation>
    </message>
</context>
<context>
    <name>GuideWindow</name>
    <message>
        <source>Slidora Guide</source>
        <translation>Slidora-Anleitung</translation>
    </message>
</context>
<context>
    <name>HandIn</name>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>die Datei ist zu groß</translation>
    </message>
    <message>
        <source>not a Slidora result file</source>
        <translation>keine Ergebnisdatei von Slidora</translation>
    </message>
    <message>
        <source>a result file of another version</source>
        <translation>eine Ergebnisdatei einer anderen Version</translation>
    </message>
    <message>
        <source>the result file is damaged</source>
        <translation>die Ergebnisdatei ist beschädigt</translation>
    </message>
    <message>
        <source>the name is not a plain name</source>
        <translation>der Name ist kein einfacher Name</translation>
    </message>
</context>
<context>
    <name>HandInDialog</name>
    <message>
        <source>Hand In</source>
        <translation>Abgeben</translation>
    </message>
    <message>
        <source>Save it as a &amp;file, to hand in on a drive or stick</source>
        <translation>Als &amp;Datei speichern, um sie über ein Laufwerk oder einen Stick abzugeben</translation>
    </message>
    <message>
        <source>&amp;Send it to the teacher&apos;s Slidora at:</source>
        <translation>An das Slidora der Lehrkraft &amp;senden, unter:</translation>
    </message>
    <message>
        <source>Hand in what %1 has done with the challenge:</source>
        <translation>Abgeben, was %1 mit der Herausforderung gemacht hat:</translation>
    </message>
</context>
<context>
    <name>HandInSend</name>
    <message>
        <source>&quot;%1&quot; is not a collector&apos;s address: type it as the teacher&apos;s board shows it, for example 192.168.1.20:8765</source>
        <translation>„%1“ ist keine Adresse zum Einsammeln: Gib sie so ein, wie die Übersicht der Lehrkraft sie zeigt, zum Beispiel 192.168.1.20:8765</translation>
    </message>
    <message>
        <source>the collector at %1 was not reached: %2</source>
        <translation>das Einsammeln unter %1 war nicht erreichbar: %2</translation>
    </message>
    <message>
        <source>the collector answered %1</source>
        <translation>das Einsammeln antwortete mit %1</translation>
    </message>
    <message>
        <source>Type the address the teacher&apos;s board shows, for example 192.168.1.20:8765.</source>
        <translation>Gib die Adresse ein, die die Übersicht der Lehrkraft zeigt, zum Beispiel 192.168.1.20:8765.</translation>
    </message>
</context>
<context>
    <name>InvestigatePage</name>
    <message>
        <source>Red mass (kg)</source>
        <translation>Masse rot (kg)</translation>
    </message>
    <message>
        <source>Black mass (kg)</source>
        <translation>Masse schwarz (kg)</translation>
    </message>
    <message>
        <source>Red speed</source>
        <translation>Geschwindigkeit rot</translation>
    </message>
    <message>
        <source>Black speed</source>
        <translation>Geschwindigkeit schwarz</translation>
    </message>
    <message>
        <source>Red direction (°)</source>
        <translation>Richtung rot (°)</translation>
    </message>
    <message>
        <source>Black direction (°)</source>
        <translation>Richtung schwarz (°)</translation>
    </message>
    <message>
        <source>Impact offset (cm)</source>
        <translation>Stoßversatz (cm)</translation>
    </message>
    <message>
        <source>Percent (%)</source>
        <translation>Prozent (%)</translation>
    </message>
    <message>
        <source>Table angle or push</source>
        <translation>Neigung oder Schub</translation>
    </message>
    <message>
        <source>Spring k (N/m)</source>
        <translation>Federkonstante k (N/m)</translation>
    </message>
    <message>
        <source>Spring length (cm)</source>
        <translation>Federlänge (cm)</translation>
    </message>
    <message>
        <source>Red charge</source>
        <translation>Ladung rot</translation>
    </message>
    <message>
        <source>Black charge</source>
        <translation>Ladung schwarz</translation>
    </message>
    <message>
        <source>Electrostatic range</source>
        <translation>Reichweite der Elektrostatik</translation>
    </message>
    <message>
        <source>Red speed after</source>
        <translation>Geschwindigkeit rot nachher</translation>
    </message>
    <message>
        <source>Black speed after</source>
        <translation>Geschwindigkeit schwarz nachher</translation>
    </message>
    <message>
        <source>Red direction after</source>
        <translation>Richtung rot nachher</translation>
    </message>
    <message>
        <source>Black direction after</source>
        <translation>Richtung schwarz nachher</translation>
    </message>
    <message>
        <source>Red momentum x after</source>
        <translation>Impuls x rot nachher</translation>
    </message>
    <message>
        <source>Red momentum y after</source>
        <translation>Impuls y rot nachher</translation>
    </message>
    <message>
        <source>Black momentum x after</source>
        <translation>Impuls x schwarz nachher</translation>
    </message>
    <message>
        <source>Black momentum y after</source>
        <translation>Impuls y schwarz nachher</translation>
    </message>
    <message>
        <source>Total momentum after</source>
        <translation>Gesamtimpuls nachher</translation>
    </message>
    <message>
        <source>Kinetic energy kept (%)</source>
        <translation>Erhaltene Bewegungsenergie (%)</translation>
    </message>
    <message>
        <source>Coefficient of restitution</source>
        <translation>Stoßzahl</translation>
    </message>
    <message>
        <source>Angle between the directions after</source>
        <translation>Winkel zwischen den Richtungen nachher</translation>
    </message>
    <message>
        <source>Time of contact (s)</source>
        <translation>Zeitpunkt der Berührung (s)</translation>
    </message>
    <message>
        <source>Largest spring compression (cm)</source>
        <translation>Größte Federstauchung (cm)</translation>
    </message>
    <message>
        <source>Closest approach (cm)</source>
        <translation>Kleinster Abstand (cm)</translation>
    </message>
    <message>
        <source>Investigation graph</source>
        <translation>Graph der Untersuchung</translation>
    </message>
    <message>
        <source>Investigation points</source>
        <translation>Punkte der Untersuchung</translation>
    </message>
    <message>
        <source>&amp;Vary:</source>
        <translation>&amp;Einstellung:</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>&amp;bis</translation>
    </message>
    <message>
        <source>St&amp;ep</source>
        <translation>Sch&amp;ritt</translation>
    </message>
    <message>
        <source>Measures</source>
        <translation>Messgrößen</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Points run</source>
        <translation>Gerechnete Punkte</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Export format</source>
        <translation>Exportformat</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xport...</translation>
    </message>
    <message>
        <source>From, to and step are numbers.</source>
        <translation>Von, bis und Schritt sind Zahlen.</translation>
    </message>
    <message>
        <source>Choose at least one measure.</source>
        <translation>Wähle mindestens eine Messgröße.</translation>
    </message>
    <message>
        <source>Cancelled: the page is as it was.</source>
        <translation>Abgebrochen: Die Seite ist wie vorher.</translation>
    </message>
    <message>
        <source>TAB separated (*.tsv *.txt)</source>
        <translation>Tabulatorgetrennt (*.tsv *.txt)</translation>
    </message>
    <message>
        <source>Comma separated (*.csv)</source>
        <translation>Kommagetrennt (*.csv)</translation>
    </message>
    <message>
        <source>Fr&amp;om</source>
        <translation>v&amp;on</translation>
    </message>
    <message>
        <source>Mea&amp;sure:</source>
        <translation>&amp;Messen:</translation>
    </message>
    <message>
        <source>Textbook &amp;line</source>
        <translation>&amp;Lehrbuchkurve</translation>
    </message>
    <message>
        <source>This setting is not used in this set-up.</source>
        <translation>Diese Einstellung kommt in diesem Aufbau nicht vor.</translation>
    </message>
    <message>
        <source>From must not be above to, and the step must be above 0.</source>
        <translation>Von darf nicht über bis liegen, und der Schritt muss über 0 liegen.</translation>
    </message>
    <message>
        <source>At most %1 points.</source>
        <translation>Höchstens %1 Punkte.</translation>
    </message>
    <message>
        <source>%1 is out of this setting&apos;s range here.</source>
        <translation>%1 liegt hier außerhalb des Bereichs dieser Einstellung.</translation>
    </message>
    <message>
        <source>Points to run: %1</source>
        <translation>Zu rechnende Punkte: %1</translation>
    </message>
    <message>
        <source>Points run: %1</source>
        <translation>Gerechnete Punkte: %1</translation>
    </message>
    <message>
        <source>No fit</source>
        <translation>Keine Kurve</translation>
    </message>
    <message>
        <source>y = a x + b</source>
        <translation>y = a x + b</translation>
    </message>
    <message>
        <source>y = a x² + b x + c</source>
        <translation>y = a x² + b x + c</translation>
    </message>
    <message>
        <source>y = a x</source>
        <translation>y = a x</translation>
    </message>
    <message>
        <source>y = a / x</source>
        <translation>y = a / x</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ausgleichskurve</translation>
    </message>
    <message>
        <source>Measure fitted</source>
        <translation>Angepasste Messgröße</translation>
    </message>
    <message>
        <source>Fit from</source>
        <translation>Ausgleich von</translation>
    </message>
    <message>
        <source>Fit to</source>
        <translation>Ausgleich bis</translation>
    </message>
    <message>
        <source>Red velocity x after</source>
        <translation>Geschwindigkeit Rot x nachher</translation>
    </message>
    <message>
        <source>Red velocity y after</source>
        <translation>Geschwindigkeit Rot y nachher</translation>
    </message>
    <message>
        <source>Black velocity x after</source>
        <translation>Geschwindigkeit Schwarz x nachher</translation>
    </message>
    <message>
        <source>Black velocity y after</source>
        <translation>Geschwindigkeit Schwarz y nachher</translation>
    </message>
    <message>
        <source>%1 is out of this setting&apos;s range: it takes %2 to %3.</source>
        <translation>%1 liegt außerhalb des Bereichs dieser Einstellung: sie reicht von %2 bis %3.</translation>
    </message>
</context>
<context>
    <name>JoinDialog</name>
    <message>
        <source>Join Class</source>
        <translation>Klasse beitreten</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Code:</source>
        <translation>&amp;Code:</translation>
    </message>
    <message>
        <source>Your name, and the code on your slip from your teacher.</source>
        <translation>Dein Name und der Code auf dem Zettel von deiner Lehrkraft.</translation>
    </message>
    <message>
        <source>Type your name as it stands on the class list.</source>
        <translation>Schreibe deinen Namen so, wie er auf der Klassenliste steht.</translation>
    </message>
    <message>
        <source>That is not a join code: check each letter and digit against your slip.</source>
        <translation>Das ist kein gültiger Code: Vergleiche jeden Buchstaben und jede Ziffer mit deinem Zettel.</translation>
    </message>
</context>
<context>
    <name>KeptTrace</name>
    <message>
        <source>Run %1</source>
        <translation>Lauf %1</translation>
    </message>
</context>
<context>
    <name>LabSheet</name>
    <message>
        <source>Name: %1</source>
        <translation>Name: %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Datum: %1</translation>
    </message>
    <message>
        <source>Before and after</source>
        <translation>Vorher und nachher</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Antworten</translation>
    </message>
    <message>
        <source>Predicted and actual</source>
        <translation>Vorhergesagt und tatsächlich</translation>
    </message>
    <message>
        <source>Challenge &quot;%1&quot;, seed %2</source>
        <translation>Herausforderung „%1“, Startzahl %2</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>As the &amp;System</source>
        <translation>Wie das &amp;System</translation>
    </message>
    <message>
        <source>Lan&amp;guage</source>
        <translation>&amp;Sprache</translation>
    </message>
</context>
<context>
    <name>Ledger</name>
    <message>
        <source>Electrostatic forces act over a stretch of the run: &quot;before&quot; is the run&apos;s start and &quot;after&quot; the chosen time.</source>
        <translation>Elektrostatische Kräfte wirken über einen Teil des Laufs: „vorher“ ist der Beginn des Laufs und „nachher“ die gewählte Zeit.</translation>
    </message>
    <message>
        <source>The spring acts over a stretch of the run: &quot;before&quot; is the run&apos;s start and &quot;after&quot; the chosen time.</source>
        <translation>Die Feder wirkt über einen Teil des Laufs: „vorher“ ist der Beginn des Laufs und „nachher“ die gewählte Zeit.</translation>
    </message>
    <message>
        <source>elastic</source>
        <translation>elastisch</translation>
    </message>
    <message>
        <source>inelastic</source>
        <translation>unelastisch</translation>
    </message>
    <message>
        <source>sticking</source>
        <translation>haftend</translation>
    </message>
    <message>
        <source>super-elastic</source>
        <translation>überelastisch</translation>
    </message>
    <message>
        <source>With one puck there is nothing to compare.</source>
        <translation>Mit einem Puck gibt es nichts zu vergleichen.</translation>
    </message>
    <message>
        <source>In circle mode there is nothing to compare.</source>
        <translation>Im Kreismodus gibt es nichts zu vergleichen.</translation>
    </message>
    <message>
        <source>no single contact</source>
        <translation>kein einzelner Stoß</translation>
    </message>
    <message>
        <source>no contact</source>
        <translation>keine Berührung</translation>
    </message>
    <message>
        <source>not approaching</source>
        <translation>keine Annäherung</translation>
    </message>
    <message>
        <source>The tilt pulls both pucks alike: it bends the trace on the picture but leaves these speeds as on a level table.</source>
        <translation>Die Neigung zieht beide Pucks gleich: Sie biegt die Spur im Bild, lässt diese Geschwindigkeiten aber wie auf einem ebenen Tisch.</translation>
    </message>
    <message>
        <source>no collision</source>
        <translation>kein Stoß</translation>
    </message>
    <message>
        <source>A challenge is on: these numbers are shown once it is solved or revealed.</source>
        <translation>Eine Herausforderung läuft: Diese Zahlen erscheinen, sobald sie gelöst oder aufgedeckt ist.</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
</context>
<context>
    <name>LedgerPage</name>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>y</source>
        <translation>y</translation>
    </message>
    <message>
        <source>size</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Before: the start of the run.  After: %1 (the Time bar of the Data page).</source>
        <translation>Vorher: der Beginn des Laufs.  Nachher: %1 (der Zeitbalken der Seite Daten).</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Vorher</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Nachher</translation>
    </message>
    <message>
        <source>mass (kg)</source>
        <translation>Masse (kg)</translation>
    </message>
    <message>
        <source>speed</source>
        <translation>Geschw.</translation>
    </message>
    <message>
        <source>direction (rad)</source>
        <translation>Richtung (rad)</translation>
    </message>
    <message>
        <source>direction (°)</source>
        <translation>Richtung (°)</translation>
    </message>
    <message>
        <source>momentum x</source>
        <translation>Impuls x</translation>
    </message>
    <message>
        <source>momentum y</source>
        <translation>Impuls y</translation>
    </message>
    <message>
        <source>momentum</source>
        <translation>Impuls</translation>
    </message>
    <message>
        <source>energy</source>
        <translation>Energie</translation>
    </message>
    <message>
        <source>red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>change of total momentum</source>
        <translation>Änderung des Gesamtimpulses</translation>
    </message>
    <message>
        <source>impulse on red</source>
        <translation>Kraftstoß auf Rot</translation>
    </message>
    <message>
        <source>impulse on black</source>
        <translation>Kraftstoß auf Schwarz</translation>
    </message>
    <message>
        <source>red&apos;s impulse is minus black&apos;s</source>
        <translation>Kraftstoß auf Rot ist minus der auf Schwarz</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>kinetic energy after / before</source>
        <translation>Kinetische Energie nachher / vorher</translation>
    </message>
    <message>
        <source>coefficient of restitution</source>
        <translation>Stoßzahl</translation>
    </message>
    <message>
        <source>collision</source>
        <translation>Stoß</translation>
    </message>
    <message>
        <source>Speeds in %1/s (the total&apos;s is the centre of mass&apos;s), momenta in kg %1/s, energies in kg %2/s².</source>
        <translation>Geschwindigkeiten in %1/s (bei der Summe die des Schwerpunkts), Impulse in kg %1/s, Energien in kg %2/s².</translation>
    </message>
    <message>
        <source>kg</source>
        <translation>kg</translation>
    </message>
    <message>
        <source>rad</source>
        <translation>rad</translation>
    </message>
    <message>
        <source>kg %1/s</source>
        <translation>kg %1/s</translation>
    </message>
    <message>
        <source>kg %1/s²</source>
        <translation>kg %1/s²</translation>
    </message>
    <message>
        <source>mass</source>
        <translation>Masse</translation>
    </message>
    <message>
        <source>direction</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>set-up</source>
        <translation>Aufbau</translation>
    </message>
    <message>
        <source>%1 %2 (%3)</source>
        <translation>%1 %2 (%3)</translation>
    </message>
    <message>
        <source>Before: the start of each run.  After: the end of a kept run; for this run, the Time bar.</source>
        <translation>Vorher: der Beginn jedes Laufs.  Nachher: das Ende eines behaltenen Laufs; für diesen Lauf der Zeitbalken.</translation>
    </message>
    <message>
        <source>%1 before</source>
        <translation>%1 vorher</translation>
    </message>
    <message>
        <source>%1 after</source>
        <translation>%1 nachher</translation>
    </message>
    <message>
        <source>impulse on red x</source>
        <translation>Kraftstoß auf Rot x</translation>
    </message>
    <message>
        <source>impulse on red y</source>
        <translation>Kraftstoß auf Rot y</translation>
    </message>
    <message>
        <source>impulse on black x</source>
        <translation>Kraftstoß auf Schwarz x</translation>
    </message>
    <message>
        <source>impulse on black y</source>
        <translation>Kraftstoß auf Schwarz y</translation>
    </message>
</context>
<context>
    <name>Lesson</name>
    <message>
        <source>Line %1: there is no built-in experiment %2 (1 to 17).</source>
        <translation>Zeile %1: Es gibt kein eingebautes Experiment %2 (1 bis 17).</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is neither a built-in experiment (1 to 17) nor a .col file beside the lesson file.</source>
        <translation>Zeile %1: „%2“ ist weder ein eingebautes Experiment (1 bis 17) noch eine .col-Datei neben der Unterrichtsdatei.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is nothing a lesson can enable.</source>
        <translation>Zeile %1: „%2“ kann eine Unterrichtsstunde nicht freigeben.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is not a challenge (mass, restitution, speed or glancing).</source>
        <translation>Zeile %1: „%2“ ist keine Herausforderung (mass, restitution, speed oder glancing).</translation>
    </message>
    <message>
        <source>Line %1: predict-first takes yes or no, not &quot;%2&quot;.</source>
        <translation>Zeile %1: predict-first nimmt yes oder no, nicht „%2“.</translation>
    </message>
    <message>
        <source>The lesson file is larger than 64 KB.</source>
        <translation>Die Unterrichtsdatei ist größer als 64 KB.</translation>
    </message>
    <message>
        <source>The lesson file is not UTF-8 text.</source>
        <translation>Die Unterrichtsdatei ist kein UTF-8-Text.</translation>
    </message>
    <message>
        <source>Line %1: unknown section &quot;%2&quot;.</source>
        <translation>Zeile %1: unbekannter Abschnitt „%2“.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is not of the form key = value.</source>
        <translation>Zeile %1: „%2“ hat nicht die Form Schlüssel = Wert.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is given twice.</source>
        <translation>Zeile %1: „%2“ steht zweimal da.</translation>
    </message>
    <message>
        <source>Line %1: a lesson opens an experiment or a challenge, not both.</source>
        <translation>Zeile %1: Eine Unterrichtsstunde öffnet ein Experiment oder eine Herausforderung, nicht beides.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>The lesson file can&apos;t be read: %1</source>
        <translation>Die Lektionsdatei kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Line %1: a hand-in folder or address is at most 1024 characters.</source>
        <translation>Zeile %1: Ein Abgabeordner oder eine Abgabeadresse hat höchstens 1024 Zeichen.</translation>
    </message>
    <message>
        <source>Line %1: unknown key &quot;%2&quot; (a lesson knows title, note, experiment, challenge, predict-first, enable and hand-in).</source>
        <translation>Zeile %1: unbekannter Schlüssel „%2“ (eine Unterrichtsstunde kennt title, note, experiment, challenge, predict-first, enable und hand-in).</translation>
    </message>
</context>
<context>
    <name>MeasureTools</name>
    <message>
        <source>Length: 0 cm</source>
        <translation>Länge: 0 cm</translation>
    </message>
    <message>
        <source>Angle: 0.0° or 180.0°</source>
        <translation>Winkel: 0,0° oder 180,0°</translation>
    </message>
    <message>
        <source>Length: %1%2</source>
        <translation>Länge: %1%2</translation>
    </message>
    <message>
        <source>Angle: %1° or %2°</source>
        <translation>Winkel: %1° oder %2°</translation>
    </message>
</context>
<context>
    <name>ModelView</name>
    <message>
        <source>%1%2, %3%2</source>
        <translation>%1%2, %3%2</translation>
    </message>
    <message>
        <source>Red puck at %1, moving %2 degrees at %3%4/s</source>
        <translation>Roter Puck bei %1, bewegt sich unter %2 Grad mit %3%4/s</translation>
    </message>
    <message>
        <source>Red velocity handle at %1, aiming the puck at %2 degrees</source>
        <translation>Geschwindigkeitsgriff Rot bei %1, richtet den Puck auf %2 Grad</translation>
    </message>
    <message>
        <source>Black puck at %1, moving %2 degrees at %3%4/s</source>
        <translation>Schwarzer Puck bei %1, bewegt sich unter %2 Grad mit %3%4/s</translation>
    </message>
    <message>
        <source>Black velocity handle at %1, aiming the puck at %2 degrees</source>
        <translation>Geschwindigkeitsgriff Schwarz bei %1, richtet den Puck auf %2 Grad</translation>
    </message>
    <message>
        <source>Mass 1: %1 kg</source>
        <translation>Masse 1: %1 kg</translation>
    </message>
    <message>
        <source>Mass 2: %1 kg</source>
        <translation>Masse 2: %1 kg</translation>
    </message>
    <message>
        <source>Charge: %1</source>
        <translation>Ladung: %1</translation>
    </message>
    <message>
        <source>%1% Elastic collision</source>
        <translation>%1% elastischer Stoß</translation>
    </message>
    <message>
        <source>k: %1 N/m</source>
        <translation>k: %1 N/m</translation>
    </message>
    <message>
        <source>Length: %1 cm</source>
        <translation>Länge: %1 cm</translation>
    </message>
    <message>
        <source>Velocity 1: %1%2/s</source>
        <translation>Geschw. 1: %1%2/s</translation>
    </message>
    <message>
        <source>Velocity 2: %1%2/s</source>
        <translation>Geschw. 2: %1%2/s</translation>
    </message>
    <message>
        <source>Force: %1 N [R]</source>
        <translation>Kraft: %1 N [R]</translation>
    </message>
    <message>
        <source>Angle: 0.0</source>
        <translation>Winkel: 0,0</translation>
    </message>
    <message>
        <source>Table Angle: %1</source>
        <translation>Neigung: %1</translation>
    </message>
    <message>
        <source>&amp;Type: %1</source>
        <translation>&amp;Art: %1</translation>
    </message>
    <message>
        <source>1-D Spring</source>
        <translation>1-D-Feder</translation>
    </message>
    <message>
        <source>1-D Spring: %1</source>
        <translation>1-D-Feder: %1</translation>
    </message>
    <message>
        <source>E&amp;lectrostatic: Un</source>
        <translation>E&amp;lektrostatik: Unb</translation>
    </message>
    <message>
        <source>E&amp;lectrostatic: %1</source>
        <translation>E&amp;lektrostatik: %1</translation>
    </message>
    <message>
        <source>Computer Speed: %1</source>
        <translation>Rechentempo: %1</translation>
    </message>
    <message>
        <source>Circle Size: %1</source>
        <translation>Kreisgröße: %1</translation>
    </message>
    <message>
        <source>Scale: %1</source>
        <translation>Maßstab: %1</translation>
    </message>
    <message>
        <source>&quot;Dot&quot; Size: (%1)</source>
        <translation>„Punkt“-Größe: (%1)</translation>
    </message>
    <message>
        <source>Circle friction: (%1)</source>
        <translation>Kreisreibung: (%1)</translation>
    </message>
    <message>
        <source>Mass 2: ? kg</source>
        <translation>Masse 2: ? kg</translation>
    </message>
    <message>
        <source>?% Elastic collision</source>
        <translation>?% elastischer Stoß</translation>
    </message>
</context>
<context>
    <name>MomentumPage</name>
    <message>
        <source>Momentum Vectors:</source>
        <translation>Impulsvektoren:</translation>
    </message>
    <message>
        <source>Scale:</source>
        <translation>Maßstab:</translation>
    </message>
    <message>
        <source>Time: 0 s</source>
        <translation>Zeit: 0 s</translation>
    </message>
    <message>
        <source>Blue Mom: 6</source>
        <translation>Blau Impuls: 6</translation>
    </message>
    <message>
        <source>Blue Angle : 0</source>
        <translation>Blau Winkel : 0</translation>
    </message>
    <message>
        <source>At The Start</source>
        <translation>Zu Beginn</translation>
    </message>
    <message>
        <source>At Time t</source>
        <translation>Zur Zeit t</translation>
    </message>
    <message>
        <source>Resultant</source>
        <translation>Resultierende</translation>
    </message>
    <message>
        <source>%1 colour</source>
        <translation>Farbe %1</translation>
    </message>
    <message>
        <source>    Analyse your own</source>
        <translation>    Selbst analysieren</translation>
    </message>
    <message>
        <source>Red before</source>
        <translation>Rot vor</translation>
    </message>
    <message>
        <source>Red after</source>
        <translation>Rot nach</translation>
    </message>
    <message>
        <source>Black before</source>
        <translation>Schw. vor</translation>
    </message>
    <message>
        <source>Black after</source>
        <translation>Schw. nach</translation>
    </message>
    <message>
        <source>Mom.</source>
        <translation>Imp.</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <source>* Set Momentum to zero for it to not show</source>
        <translation>* Impuls 0 blendet den Pfeil aus</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>„%1“ ist keine gültige Kommazahl</translation>
    </message>
    <message>
        <source>Blue mom.: %1</source>
        <translation>Blau Impuls: %1</translation>
    </message>
    <message>
        <source>Blue angle: %1</source>
        <translation>Blau Winkel: %1</translation>
    </message>
</context>
<context>
    <name>NameDialog</name>
    <message>
        <source>I am ....</source>
        <translation>Ich bin ....</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Name will appear on printout</source>
        <translation>Name erscheint im Druck</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>NewClassDialog</name>
    <message>
        <source>New Class</source>
        <translation>Neue Klasse</translation>
    </message>
    <message>
        <source>C&amp;hoose...</source>
        <translation>&amp;Wählen...</translation>
    </message>
    <message>
        <source>Names, one a line (*.txt);;All files (*)</source>
        <translation>Namen, einer pro Zeile (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Class na&amp;me:</source>
        <translation>Klassen&amp;name:</translation>
    </message>
    <message>
        <source>&amp;Challenge:</source>
        <translation>&amp;Herausforderung:</translation>
    </message>
    <message>
        <source>&amp;Names file:</source>
        <translation>Namens&amp;datei:</translation>
    </message>
    <message>
        <source>The class needs a name.</source>
        <translation>Die Klasse braucht einen Namen.</translation>
    </message>
    <message>
        <source>The names file: %1</source>
        <translation>Die Namensdatei: %1</translation>
    </message>
</context>
<context>
    <name>PredictionPanel</name>
    <message>
        <source>Predict First</source>
        <translation>Erst vorhersagen</translation>
    </message>
    <message>
        <source>Speed (%1/s)</source>
        <translation>Geschwindigkeit (%1/s)</translation>
    </message>
    <message>
        <source>Direction (°)</source>
        <translation>Richtung (°)</translation>
    </message>
    <message>
        <source>&amp;Black puck after:</source>
        <translation>&amp;Schwarzer Puck nachher:</translation>
    </message>
    <message>
        <source>Red puck&apos;s predicted speed</source>
        <translation>Vorhergesagte Geschwindigkeit des roten Pucks</translation>
    </message>
    <message>
        <source>Black puck&apos;s predicted speed</source>
        <translation>Vorhergesagte Geschwindigkeit des schwarzen Pucks</translation>
    </message>
    <message>
        <source>Red puck&apos;s predicted direction</source>
        <translation>Vorhergesagte Richtung des roten Pucks</translation>
    </message>
    <message>
        <source>Black puck&apos;s predicted direction</source>
        <translation>Vorhergesagte Richtung des schwarzen Pucks</translation>
    </message>
    <message>
        <source>&amp;Reveal</source>
        <translation>&amp;Aufdecken</translation>
    </message>
    <message>
        <source>Predicted</source>
        <translation>Vorhergesagt</translation>
    </message>
    <message>
        <source>Actual</source>
        <translation>Tatsächlich</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>red speed (%1/s)</source>
        <translation>Geschwindigkeit rot (%1/s)</translation>
    </message>
    <message>
        <source>red direction (°)</source>
        <translation>Richtung rot (°)</translation>
    </message>
    <message>
        <source>red momentum (kg %1/s)</source>
        <translation>Impuls rot (kg %1/s)</translation>
    </message>
    <message>
        <source>black speed (%1/s)</source>
        <translation>Geschwindigkeit schwarz (%1/s)</translation>
    </message>
    <message>
        <source>black direction (°)</source>
        <translation>Richtung schwarz (°)</translation>
    </message>
    <message>
        <source>black momentum (kg %1/s)</source>
        <translation>Impuls schwarz (kg %1/s)</translation>
    </message>
    <message>
        <source>total momentum (kg %1/s)</source>
        <translation>Gesamtimpuls (kg %1/s)</translation>
    </message>
    <message>
        <source>kinetic energy kept (%)</source>
        <translation>erhaltene Bewegungsenergie (%)</translation>
    </message>
    <message>
        <source>Prediction against the outcome</source>
        <translation>Vorhersage und Ergebnis</translation>
    </message>
    <message>
        <source>A speed is a number, 0 or more.</source>
        <translation>Eine Geschwindigkeit ist eine Zahl, 0 oder mehr.</translation>
    </message>
    <message>
        <source>A direction is a number of degrees.</source>
        <translation>Eine Richtung ist eine Zahl in Grad.</translation>
    </message>
    <message>
        <source>Predict the outcome, then press Reveal</source>
        <translation>Sage das Ergebnis voraus, dann drücke Aufdecken</translation>
    </message>
    <message>
        <source>The outcome, with your prediction beside it.</source>
        <translation>Das Ergebnis, daneben deine Vorhersage.</translation>
    </message>
    <message>
        <source>Start the run: it stops where the pucks begin to act on each other.</source>
        <translation>Starte den Lauf: Er hält an, wo die Pucks aufeinander zu wirken beginnen.</translation>
    </message>
    <message>
        <source>Re&amp;d puck after:</source>
        <translation>&amp;Roter Puck nachher:</translation>
    </message>
    <message>
        <source>red velocity x (%1/s)</source>
        <translation>Geschwindigkeit Rot x (%1/s)</translation>
    </message>
    <message>
        <source>red velocity y (%1/s)</source>
        <translation>Geschwindigkeit Rot y (%1/s)</translation>
    </message>
    <message>
        <source>black velocity x (%1/s)</source>
        <translation>Geschwindigkeit Schwarz x (%1/s)</translation>
    </message>
    <message>
        <source>black velocity y (%1/s)</source>
        <translation>Geschwindigkeit Schwarz y (%1/s)</translation>
    </message>
</context>
<context>
    <name>PresentationWindow</name>
    <message>
        <source>Slidora - Presentation</source>
        <translation>Slidora - Präsentation</translation>
    </message>
    <message>
        <source>Red %1</source>
        <translation>Rot %1</translation>
    </message>
    <message>
        <source>Black %1</source>
        <translation>Schwarz %1</translation>
    </message>
</context>
<context>
    <name>PrinterSetup</name>
    <message>
        <source>Printer Setup</source>
        <translation>Druckereinrichtung</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>There is nothing to print: the selected picture is empty.</source>
        <translation>Es gibt nichts zu drucken: Der gewählte Ausschnitt ist leer.</translation>
    </message>
    <message>
        <source>No printer is set up.</source>
        <translation>Es ist kein Drucker eingerichtet.</translation>
    </message>
    <message>
        <source>Printed by: %1</source>
        <translation>Gedruckt von: %1</translation>
    </message>
    <message>
        <source>&amp;Who am I: %1</source>
        <translation>&amp;Wer bin ich: %1</translation>
    </message>
</context>
<context>
    <name>Pucks</name>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>B</source>
        <translation>S</translation>
    </message>
</context>
<context>
    <name>RunControl</name>
    <message>
        <source>The pucks touched.</source>
        <translation>Die Pucks haben sich berührt.</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stopp</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>Predict the outcome, then press Reveal</source>
        <translation>Sage das Ergebnis voraus, dann drücke Aufdecken</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
</context>
<context>
    <name>TablePage</name>
    <message>
        <source>Red puck</source>
        <translation>Roter Puck</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Energie</translation>
    </message>
    <message>
        <source>Momentum</source>
        <translation>Impuls</translation>
    </message>
    <message>
        <source>Black Puck</source>
        <translation>Schwarzer Puck</translation>
    </message>
    <message>
        <source>Spring Compression</source>
        <translation>Federstauchung</translation>
    </message>
    <message>
        <source>Show Angle in Radians</source>
        <translation>Winkel im Bogenmaß</translation>
    </message>
    <message>
        <source>Freq</source>
        <translation>Freq.</translation>
    </message>
    <message>
        <source>Time: 0.00 s</source>
        <translation>Zeit: 0,00 s</translation>
    </message>
    <message>
        <source>Copy All Data</source>
        <translation>Alles kopieren</translation>
    </message>
    <message>
        <source>Copy Selected</source>
        <translation>Auswahl kopieren</translation>
    </message>
</context>
<context>
    <name>TableReset</name>
    <message>
        <source>Time: 0.00 s</source>
        <translation>Zeit: 0,00 s</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
</context>
<context>
    <name>TableWindow</name>
    <message>
        <source>Velocity</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Experiment</source>
        <translation>Experiment</translation>
    </message>
    <message>
        <source>&amp;Controls</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>Da&amp;ten</translation>
    </message>
    <message>
        <source>&amp;Measurements</source>
        <translation>Messun&amp;gen</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>Zu&amp;rücksetzen</translation>
    </message>
    <message>
        <source>Time: 0 s</source>
        <translation>Zeit: 0 s</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Recenter</source>
        <translation>&amp;Zentrieren</translation>
    </message>
    <message>
        <source>&amp;Print Trace</source>
        <translation>S&amp;pur drucken</translation>
    </message>
    <message>
        <source>Table Angle: 0.00</source>
        <translation>Neigung: 0,00</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Spring Constants</source>
        <translation>Federkonstanten</translation>
    </message>
    <message>
        <source>k: 10 N/m</source>
        <translation>k: 10 N/m</translation>
    </message>
    <message>
        <source>Length: 2.50 cm</source>
        <translation>Länge: 2,50 cm</translation>
    </message>
    <message>
        <source>Spring Compressed: 0 cm</source>
        <translation>Feder gestaucht: 0 cm</translation>
    </message>
    <message>
        <source>Charge: 10</source>
        <translation>Ladung: 10</translation>
    </message>
    <message>
        <source>Mass 1: 0.1 kg</source>
        <translation>Masse 1: 0,1 kg</translation>
    </message>
    <message>
        <source>Mass 2: 0.1 kg</source>
        <translation>Masse 2: 0,1 kg</translation>
    </message>
    <message>
        <source>Velocity 1: 0.0 cm/s</source>
        <translation>Geschw. 1: 0,0 cm/s</translation>
    </message>
    <message>
        <source>Velocity 2: 0.0 cm/s</source>
        <translation>Geschw. 2: 0,0 cm/s</translation>
    </message>
    <message>
        <source>&amp;Ruler</source>
        <translation>L&amp;ineal</translation>
    </message>
    <message>
        <source>&amp;Protractor</source>
        <translation>Win&amp;kelmesser</translation>
    </message>
    <message>
        <source>Show Data Table</source>
        <translation>Datentabelle</translation>
    </message>
    <message>
        <source>Red puck</source>
        <translation>Roter Puck</translation>
    </message>
    <message>
        <source>Black puck</source>
        <translation>Schwarzer Puck</translation>
    </message>
    <message>
        <source>Red velocity handle</source>
        <translation>Geschwindigkeitsgriff Rot</translation>
    </message>
    <message>
        <source>Black velocity handle</source>
        <translation>Geschwindigkeitsgriff Schwarz</translation>
    </message>
    <message>
        <source>Circle speed handle</source>
        <translation>Geschwindigkeitsgriff des Kreises</translation>
    </message>
    <message>
        <source>Selection frame</source>
        <translation>Auswahlrahmen</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tisch</translation>
    </message>
    <message>
        <source>Replay pace</source>
        <translation>Tempo der Wiedergabe</translation>
    </message>
    <message>
        <source>Control pages</source>
        <translation>Einstellungsseiten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Slidora &amp;Guide</source>
        <translation>Slidora-&amp;Anleitung</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über Slidora</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Run Experiment</source>
        <translation>Experiment starten</translation>
    </message>
    <message>
        <source>&amp;Load an Experiment</source>
        <translation>Experiment &amp;laden</translation>
    </message>
    <message>
        <source>&amp;Save an Experiment</source>
        <translation>Experiment &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Copy Select</source>
        <translation>Ausschnitt &amp;kopieren</translation>
    </message>
    <message>
        <source>Print Copy Select</source>
        <translation>Ausschnitt drucken</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>&amp;Who Am I:</source>
        <translation>&amp;Wer bin ich:</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Type: 2-D</source>
        <translation>&amp;Art: 2-D</translation>
    </message>
    <message>
        <source>2 Masses</source>
        <translation>2 Massen</translation>
    </message>
    <message>
        <source>1 Mass</source>
        <translation>1 Masse</translation>
    </message>
    <message>
        <source>&amp;Colour-Blind Friendly</source>
        <translation>&amp;Farbenblind-freundlich</translation>
    </message>
    <message>
        <source>F&amp;ull Screen</source>
        <translation>Vollbil&amp;d</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Vergrößern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>1-D Spring</source>
        <translation>1-D-Feder</translation>
    </message>
    <message>
        <source>Elastic</source>
        <translation>Elastisch</translation>
    </message>
    <message>
        <source>Inelastic</source>
        <translation>Unelastisch</translation>
    </message>
    <message>
        <source>&amp;Elastic</source>
        <translation>&amp;Elastisch</translation>
    </message>
    <message>
        <source>&amp;Inelastic</source>
        <translation>&amp;Unelastisch</translation>
    </message>
    <message>
        <source>&amp;Semi Elastic</source>
        <translation>&amp;Teilelastisch</translation>
    </message>
    <message>
        <source>E&amp;lectrostatic: Un</source>
        <translation>E&amp;lektrostatik: Unb</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Unbegrenzt</translation>
    </message>
    <message>
        <source>effects appear always</source>
        <translation>wirkt immer</translation>
    </message>
    <message>
        <source>effects appear far away</source>
        <translation>wirkt schon von weitem</translation>
    </message>
    <message>
        <source>effects appear when they are near</source>
        <translation>wirkt aus der Nähe</translation>
    </message>
    <message>
        <source>effects appear on when they are close</source>
        <translation>wirkt erst aus kurzer Entfernung</translation>
    </message>
    <message>
        <source>&amp;Circle</source>
        <translation>&amp;Kreis</translation>
    </message>
    <message>
        <source>Timing</source>
        <translation>Zeitablauf</translation>
    </message>
    <message>
        <source>&amp;Plotting Error</source>
        <translation>&amp;Zeichenfehler</translation>
    </message>
    <message>
        <source>Computer Speed: F</source>
        <translation>Rechentempo: S</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>Circle Size: S</source>
        <translation>Kreisgröße: K</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Klein</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Groß</translation>
    </message>
    <message>
        <source>Black Really Small</source>
        <translation>Schwarz sehr klein</translation>
    </message>
    <message>
        <source>Scale: Medium</source>
        <translation>Maßstab: Mittel</translation>
    </message>
    <message>
        <source>&quot;Dot&quot; Size: (Normal)</source>
        <translation>„Punkt“-Größe: (Normal)</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Circle friction: (0)</source>
        <translation>Kreisreibung: (0)</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>M&amp;easure</source>
        <translation>&amp;Messen</translation>
    </message>
    <message>
        <source>&amp;Predict First</source>
        <translation>&amp;Erst vorhersagen</translation>
    </message>
    <message>
        <source>Predict First needs two pucks and a collision, a spring or electrostatic forces, not the circle.</source>
        <translation>Erst vorhersagen braucht zwei Pucks und einen Stoß, eine Feder oder elektrostatische Kräfte, nicht den Kreis.</translation>
    </message>
    <message>
        <source>Save &amp;Picture...</source>
        <translation>Bil&amp;d speichern...</translation>
    </message>
    <message>
        <source>PNG picture (*.png);;SVG drawing (*.svg)</source>
        <translation>PNG-Bild (*.png);;SVG-Zeichnung (*.svg)</translation>
    </message>
    <message>
        <source>Save &amp;Animation...</source>
        <translation>&amp;Animation speichern...</translation>
    </message>
    <message>
        <source>Start a run first: the animation shows it tick by tick.</source>
        <translation>Starte zuerst einen Lauf: Die Animation zeigt ihn Schritt für Schritt.</translation>
    </message>
    <message>
        <source>GIF animation (*.gif)</source>
        <translation>GIF-Animation (*.gif)</translation>
    </message>
    <message>
        <source>C&amp;hallenge...</source>
        <translation>&amp;Herausforderung...</translation>
    </message>
    <message>
        <source>&amp;Open Lesson...</source>
        <translation>Lekti&amp;on öffnen...</translation>
    </message>
    <message>
        <source>La&amp;b Sheet...</source>
        <translation>&amp;Protokollblatt...</translation>
    </message>
    <message>
        <source>Prese&amp;ntation Window</source>
        <translation>&amp;Präsentationsfenster</translation>
    </message>
    <message>
        <source>Set &amp;Up Exactly...</source>
        <translation>Ge&amp;nau einstellen...</translation>
    </message>
    <message>
        <source>&amp;Join Class...</source>
        <translation>Klasse bei&amp;treten...</translation>
    </message>
    <message>
        <source>Hand &amp;In...</source>
        <translation>Abg&amp;eben...</translation>
    </message>
    <message>
        <source>Class &amp;Results...</source>
        <translation>Klassene&amp;rgebnisse...</translation>
    </message>
    <message>
        <source>&amp;New Class...</source>
        <translation>&amp;Neue Klasse...</translation>
    </message>
    <message>
        <source>Slow &amp;Motion at Contact</source>
        <translation>&amp;Zeitlupe beim Stoß</translation>
    </message>
    <message>
        <source>Centre-of-Mass &amp;Frame</source>
        <translation>Schwerpunkts&amp;ystem</translation>
    </message>
    <message>
        <source>The centre-of-mass frame needs two pucks, not the circle, and both masses known.</source>
        <translation>Das Schwerpunktsystem braucht zwei Pucks, nicht den Kreis, und beide Massen bekannt.</translation>
    </message>
</context>
<context>
    <name>TimeLine</name>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Wiedergabe</translation>
    </message>
</context>
<context>
    <name>ViewMarks</name>
    <message>
        <source>Center of &amp;Mass</source>
        <translation>Sch&amp;werpunkt</translation>
    </message>
    <message>
        <source>&amp;Trace Centers</source>
        <translation>Mittelpunkte &amp;verfolgen</translation>
    </message>
    <message>
        <source>Trace Bloc&amp;k</source>
        <translation>&amp;Block verfolgen</translation>
    </message>
    <message>
        <source>&amp;Red Before</source>
        <translation>&amp;Rot vorher</translation>
    </message>
    <message>
        <source>&amp;Black Before</source>
        <translation>&amp;Schwarz vorher</translation>
    </message>
    <message>
        <source>R&amp;ed After</source>
        <translation>R&amp;ot nachher</translation>
    </message>
    <message>
        <source>B&amp;lack After</source>
        <translation>Sc&amp;hwarz nachher</translation>
    </message>
    <message>
        <source>Show &amp;Force</source>
        <translation>&amp;Kraft zeigen</translation>
    </message>
    <message>
        <source>&amp;Direction Arrows</source>
        <translation>R&amp;ichtungspfeile</translation>
    </message>
    <message>
        <source>&amp;Show Scale</source>
        <translation>Maßs&amp;tab zeigen</translation>
    </message>
    <message>
        <source>Show &amp;Grid</source>
        <translation>&amp;Gitter zeigen</translation>
    </message>
    <message>
        <source>&amp;Label mass</source>
        <translation>&amp;Masse beschriften</translation>
    </message>
</context>
</TS>
