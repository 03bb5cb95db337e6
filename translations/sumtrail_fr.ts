<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ClassOverviewModel</name>
    <message>
        <location filename="../src/core/report/classoverview.cpp" line="+129"/>
        <source>Level %1</source>
        <translation>Niveau %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Student</source>
        <translation>Élève</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Last 7 days</source>
        <translation>7 derniers jours</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Last 30 days</source>
        <translation>30 derniers jours</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Last sheet</source>
        <translation>Dernière fiche</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Last level</source>
        <translation>Dernier niveau</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Last score</source>
        <translation>Dernier score</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Weak facts</source>
        <translation>Calculs fragiles</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>, rising</source>
        <translation>, en hausse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>, falling</source>
        <translation>, en baisse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>, steady</source>
        <translation>, stable</translation>
    </message>
</context>
<context>
    <name>ClassWindow</name>
    <message>
        <location filename="../src/gui/report/classwindow.cpp" line="+27"/>
        <source>Class</source>
        <translation>Classe</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Students of the class</source>
        <translation>Élèves de la classe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>One row for each student: sheets, scores and weak sums</source>
        <translation>Une ligne par élève : fiches, scores et calculs mal sus</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Export...</source>
        <translation>Exporter...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save the table as a CSV file</source>
        <translation>Enregistrer le tableau dans un fichier CSV</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print...</source>
        <translation>Imprimer...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print the table or save it as PDF</source>
        <translation>Imprimer le tableau ou l’enregistrer en PDF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close the class overview and go back to the report</source>
        <translation>Fermer la vue de la classe et revenir au rapport</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Export class</source>
        <translation>Exporter la classe</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>class.csv</source>
        <translation>classe.csv</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Class report</source>
        <translation>Rapport de la classe</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Do you want to save the class report as a PDF file instead?</source>
        <translation>Voulez-vous plutôt enregistrer le rapport de la classe en fichier PDF&#xa0;?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Class Report</source>
        <translation>Enregistrer le rapport de la classe</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>class.pdf</source>
        <translation>classe.pdf</translation>
    </message>
</context>
<context>
    <name>ColumnTutor</name>
    <message>
        <location filename="../src/gui/tutors/columntutor.cpp" line="+28"/>
        <source>Column sum</source>
        <translation>Addition en colonnes</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Answer digit</source>
        <translation>Chiffre de la réponse</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Type the answer digit of the column the arrow points at</source>
        <translation>Tape le chiffre de la colonne montrée par la flèche</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Carry</source>
        <translation>Retenue</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Digit of the first number</source>
        <translation>Chiffre du premier nombre</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Digit of the second number</source>
        <translation>Chiffre du second nombre</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+27"/>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>Pointer</source>
        <translation>Flèche</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Hint</source>
        <translation>Indice</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>carry</source>
        <translation>ret.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Worked column: carry</source>
        <translation>Colonne calculée : retenue</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Worked column: first digit</source>
        <translation>Colonne calculée : premier chiffre</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Worked column: second digit</source>
        <translation>Colonne calculée : second chiffre</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Worked column: total</source>
        <translation>Colonne calculée : total</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+183"/>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <location line="-179"/>
        <source>Show the right digit</source>
        <translation>Montre le bon chiffre</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Tutor</source>
        <translation>Aide</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>units</source>
        <translation>unités</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>tens</source>
        <translation>dizaines</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hundreds</source>
        <translation>centaines</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>thousands</source>
        <translation>milliers</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location line="+117"/>
        <source>No!</source>
        <translation>Non&#xa0;!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>yes!</source>
        <translation>oui&#xa0;!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Correct!</source>
        <translation>Bravo&#xa0;!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Exit</source>
        <translation>Sortir</translation>
    </message>
</context>
<context>
    <name>ErrorDiagnosis</name>
    <message>
        <location filename="../src/core/exercise/errordiagnosis.cpp" line="+148"/>
        <source>Left blank</source>
        <translation>Laissé vide</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Gave the difference, not the sum</source>
        <translation>A donné la différence, pas la somme</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Forgot to carry</source>
        <translation>Retenue oubliée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Carried where nothing carries</source>
        <translation>Retenue là où il n&apos;y en a pas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Swapped two digits</source>
        <translation>Deux chiffres inversés</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Off by one</source>
        <translation>Écart de un</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Off by ten</source>
        <translation>Écart de dix</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>One digit wrong</source>
        <translation>Un chiffre faux</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Another mistake</source>
        <translation>Autre erreur</translation>
    </message>
</context>
<context>
    <name>ExerciseWindow</name>
    <message>
        <location filename="../src/gui/exercise/exercisewindow.cpp" line="+42"/>
        <source>Addition</source>
        <translation>Addition</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Questions</source>
        <translation>Questions</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Score</source>
        <translation>Points</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Percentage of right answers, shown after checking</source>
        <translation>Pourcentage de bonnes réponses, après la correction</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Time taken</source>
        <translation>Temps</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Time since the questions were set</source>
        <translation>Temps depuis le début des questions</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choosing a level sets new questions</source>
        <translation>Choisir un niveau donne de nouvelles questions</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>HELP ME</source>
        <translation>AIDE-MOI</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Open a tutor that explains the first wrong question</source>
        <translation>Ouvre une aide qui explique la première question fausse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Main Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Go back to the main menu</source>
        <translation>Retour au menu principal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NEW</source>
        <translation>NOUVEAU</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Set new questions and start the clock again</source>
        <translation>Nouvelles questions et l&apos;horloge repart</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Check Answers</source>
        <translation>Vérifier les réponses</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Mark the answers and record the score</source>
        <translation>Corrige les réponses et garde le score</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Question %1</source>
        <translation>Question %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>First number of question %1</source>
        <translation>Premier nombre de la question %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Second number of question %1</source>
        <translation>Second nombre de la question %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Answer to question %1</source>
        <translation>Réponse à la question %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Type the sum of the two numbers</source>
        <translation>Tape la somme des deux nombres</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Mark of question %1</source>
        <translation>Marque de la question %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Right answer to question %1</source>
        <translation>Bonne réponse à la question %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Addition Excercise</source>
        <translation>Exercice d&apos;addition</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>No. %1</source>
        <translation>N° %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No.%1</source>
        <translation>N°%1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Level %1</source>
        <translation>Niv. %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Review</source>
        <translation>Revoir</translation>
    </message>
    <message>
        <location line="+158"/>
        <source>Question %1 is right</source>
        <translation>La question %1 est juste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Question %1 is wrong</source>
        <translation>La question %1 est fausse</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Right</source>
        <translation>Juste</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Wrong; the right answer is %1</source>
        <translation>Faux&#xa0;; la bonne réponse est %1</translation>
    </message>
</context>
<context>
    <name>FactGridModel</name>
    <message>
        <location filename="../src/core/report/factgridmodel.cpp" line="+45"/>
        <source>right and quick</source>
        <translation>juste et rapide</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>right but slow</source>
        <translation>juste mais lent</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>wrong recently</source>
        <translation>faux récemment</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>never seen</source>
        <translation>jamais posé</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>First number %1</source>
        <translation>Premier nombre %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Second number %1</source>
        <translation>Second nombre %1</translation>
    </message>
</context>
<context>
    <name>FactsWindow</name>
    <message>
        <location filename="../src/gui/report/factswindow.cpp" line="+79"/>
        <source>Facts - %1</source>
        <translation>Acquis - %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Choose the level whose sums are shown</source>
        <translation>Choisir le niveau dont les calculs sont montrés</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Level %1</source>
        <translation>Niveau %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Level:</source>
        <translation>&amp;Niveau&#xa0;:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Sums from 0 + 0 to 10 + 10</source>
        <translation>Sommes de 0 + 0 à 10 + 10</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Each sum marked by how well it is known</source>
        <translation>Chaque calcul marqué selon qu’il est bien su ou non</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Slips and sums most often missed</source>
        <translation>Erreurs et sommes les plus manquées</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The kinds of slip of the last sheets, each with an example</source>
        <translation>Les sortes d’erreurs des dernières fiches, chacune avec un exemple</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Print...</source>
        <translation>Imprimer...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print this view or save it as PDF</source>
        <translation>Imprimer cette vue ou l’enregistrer en PDF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close the facts and go back to the report</source>
        <translation>Fermer les acquis et revenir au rapport</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Slip</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Times</source>
        <translation>Fois</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Latest example</source>
        <translation>Dernier exemple</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Lines not read: %1.</source>
        <translation>Lignes non lues&#xa0;: %1.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>blank: never seen</source>
        <translation>vide&#xa0;: jamais posé</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Sums most often missed</source>
        <translation>Sommes les plus manquées</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Missed</source>
        <translation>Manquées</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Answered</source>
        <translation>Répondues</translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>No wrong answers at this level in the last %n sheets.</source>
        <translation>
            <numerusform>Aucune réponse fausse à ce niveau dans la dernière fiche.</numerusform>
            <numerusform>Aucune réponse fausse à ce niveau dans les %n dernières fiches.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Wrong answers of the last %n sheets at this level.</source>
        <translation>
            <numerusform>Réponses fausses de la dernière fiche à ce niveau.</numerusform>
            <numerusform>Réponses fausses des %n dernières fiches à ce niveau.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Facts - %1, level %2</source>
        <translation>Acquis - %1, niveau %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Do you want to save the facts as a PDF file instead?</source>
        <translation>Voulez-vous plutôt enregistrer les acquis en fichier PDF&#xa0;?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Facts</source>
        <translation>Enregistrer les acquis</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>facts.pdf</source>
        <translation>acquis.pdf</translation>
    </message>
</context>
<context>
    <name>FileResult</name>
    <message>
        <location filename="../src/core/records/answerlog.cpp" line="+55"/>
        <source>&quot;%1&quot; cannot be used as a file name, so no record of answers is written for this student.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas servir de nom de fichier&#xa0;: les réponses de cet élève ne sont donc pas enregistrées.</translation>
    </message>
    <message>
        <location filename="../src/core/records/atomicfile.cpp" line="+94"/>
        <source>it is a folder, not a plain file</source>
        <translation>c&apos;est un dossier, pas un simple fichier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is not a plain file</source>
        <translation>ce n&apos;est pas un simple fichier</translation>
    </message>
    <message>
        <location filename="../src/core/records/filelock.cpp" line="+37"/>
        <source>its lock &quot;%1&quot; is not a plain file</source>
        <translation>son verrou «&#xa0;%1&#xa0;» n&apos;est pas un simple fichier</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>sumtrail on this or another computer is changing it; please try again in a moment</source>
        <translation>sumtrail le modifie sur cet ordinateur ou un autre&#xa0;; réessayez dans un instant</translation>
    </message>
    <message>
        <location filename="../src/core/records/fileresult.cpp" line="+11"/>
        <source>The file &quot;%1&quot; could not be written: %2.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» n&apos;a pas pu être écrit&#xa0;: %2.</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../src/core/records/roster.cpp" line="+152"/>
        <source>Nothing was changed.</source>
        <translation>Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <location filename="../src/core/records/history.cpp" line="+34"/>
        <source>&quot;%1&quot; cannot be used as a file name, so no history file is written for this student.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas servir de nom de fichier&#xa0;: aucun historique n&apos;est donc écrit pour cet élève.</translation>
    </message>
    <message>
        <location filename="../src/core/records/recordfile.cpp" line="+42"/>
        <source>it is a link, not a plain file</source>
        <translation>c&apos;est un lien, pas un simple fichier</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>The file &quot;%1&quot; could not be written: %2.
Part of the result may be left at its end: %3.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» n&apos;a pas pu être écrit&#xa0;: %2.
Une partie du résultat est peut-être restée à sa fin&#xa0;: %3.</translation>
    </message>
    <message>
        <location filename="../src/core/records/roster.cpp" line="+39"/>
        <source>No change to the student list is saved until the file can be read whole.</source>
        <translation>Aucune modification de la liste des élèves n&apos;est enregistrée tant que le fichier ne peut pas être lu en entier.</translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>%n line(s) of the file &quot;%1&quot; are too long to be names: they are not listed, and a change of the list leaves them out.</source>
        <translation>
            <numerusform>%n ligne du fichier «&#xa0;%1&#xa0;» est trop longue pour être un nom&#xa0;: elle n&apos;est pas affichée, et une modification de la liste l&apos;omet.</numerusform>
            <numerusform>%n lignes du fichier «&#xa0;%1&#xa0;» sont trop longues pour être des noms&#xa0;: elles ne sont pas affichées, et une modification de la liste les omet.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <location filename="../src/gui/menu/mainmenu.cpp" line="+29"/>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close sumtrail</source>
        <translation>Fermer sumtrail</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print Out Exercise</source>
        <translation>Imprimer un exercice</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Print a worksheet of addition questions</source>
        <translation>Imprimer une fiche d&apos;additions</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start Exercise</source>
        <translation>Commencer l&apos;exercice</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Answer sixteen addition questions against the clock</source>
        <translation>Faire seize additions contre la montre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reports</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>List the chosen student&apos;s past results</source>
        <translation>Voir les résultats de l&apos;élève choisi</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete Student</source>
        <translation>Supprimer l&apos;élève</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Remove the chosen student from the list</source>
        <translation>Retirer l&apos;élève choisi de la liste</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>New Student</source>
        <translation>Nouvel élève</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add a new student to the list</source>
        <translation>Ajouter un nouvel élève à la liste</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <location line="+5"/>
        <source>Student</source>
        <translation>Élève</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>Choose who is working</source>
        <translation>Choisis qui travaille</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Welcome</source>
        <translation>Bienvenue</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Greeting</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Press &quot;NEW STUDENT&quot; to begin</source>
        <translation>Appuie sur «&#xa0;NOUVEL ÉLÈVE&#xa0;» pour commencer</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Main Menu</source>
        <translation>Menu principal</translation>
    </message>
    <message>
        <location line="+62"/>
        <location line="+47"/>
        <source>Please select student to begin or press &quot;New Student&quot;</source>
        <translation>Choisis un élève ou appuie sur «&#xa0;Nouvel élève&#xa0;»</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+72"/>
        <source>Please Select student to begin or press &quot;New Student&quot;</source>
        <translation>Choisis un élève ou appuie sur «&#xa0;Nouvel élève&#xa0;»</translation>
    </message>
    <message>
        <location line="-37"/>
        <source>Welcome </source>
        <translation>Bienvenue </translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Do you want to delete user %1?</source>
        <translation>Supprimer l&apos;élève %1&#xa0;?</translation>
    </message>
</context>
<context>
    <name>NewStudentDialog</name>
    <message>
        <location filename="../src/gui/menu/newstudentdialog.cpp" line="+29"/>
        <location line="+11"/>
        <location line="+13"/>
        <source>Student Name</source>
        <translation>Nom de l&apos;élève</translation>
    </message>
    <message>
        <location line="-23"/>
        <source>Type the name of the new student</source>
        <translation>Tape le nom du nouvel élève</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close without adding a student</source>
        <translation>Fermer sans ajouter d&apos;élève</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add the student to the list</source>
        <translation>Ajouter l&apos;élève à la liste</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please enter your name</source>
        <translation>Écris ton nom</translation>
    </message>
    <message>
        <location line="+60"/>
        <location line="+11"/>
        <source>Student Already exist!</source>
        <translation>Cet élève existe déjà&#xa0;!</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The file &quot;%1&quot; could not be written: %2.
The student list could not be changed back either, so it lists %3 without a history file: %4</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» n&apos;a pas pu être écrit&#xa0;: %2.
La liste des élèves n&apos;a pas pu être rétablie non plus&#xa0;: elle contient %3 sans historique&#xa0;: %4</translation>
    </message>
</context>
<context>
    <name>PictureTutor</name>
    <message>
        <location filename="../src/gui/tutors/picturetutor.cpp" line="+26"/>
        <source>Picture sum</source>
        <translation>Addition en images</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>First number</source>
        <translation>Premier nombre</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Second number</source>
        <translation>Second nombre</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Picture of the second number</source>
        <translation>Image du second nombre</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Counting place</source>
        <translation>Place pour compter</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Pictures in the first row</source>
        <translation>Images de la première ligne</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Pictures in the second row</source>
        <translation>Images de la deuxième ligne</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Pictures counted</source>
        <translation>Images comptées</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Add one</source>
        <translation>Un de plus</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Move one picture of the second number down and count it</source>
        <translation>Descends une image du second nombre et compte-la</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sum</source>
        <translation>Somme</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit</source>
        <translation>Sortir</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Close the tutor and go back to the exercise</source>
        <translation>Fermer l&apos;aide et revenir à l&apos;exercice</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Tutor</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>PrintWindow</name>
    <message>
        <location filename="../src/gui/print/printwindow.cpp" line="+34"/>
        <source>Worksheet preview</source>
        <translation>Aperçu de la fiche</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Instructions</source>
        <translation>Mode d&apos;emploi</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please select the level and press the &quot;NEW&quot; button to generate new execise. </source>
        <translation>Choisissez le niveau et appuyez sur «&#xa0;NOUVEAU&#xa0;» pour créer un nouvel exercice. </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Press &quot;PRINT&quot; button to print the execise.</source>
        <translation>Appuyez sur «&#xa0;IMPRIMER&#xa0;» pour imprimer l&apos;exercice.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Level of the printed questions</source>
        <translation>Niveau des questions imprimées</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NEW</source>
        <translation>NOUVEAU</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Make new questions of the chosen level</source>
        <translation>Créer de nouvelles questions du niveau choisi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PRINT</source>
        <translation>IMPRIMER</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Print the worksheet on the default printer</source>
        <translation>Imprimer la fiche sur l&apos;imprimante par défaut</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MAIN MENU</source>
        <translation>MENU PRINCIPAL</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Go back to the main menu</source>
        <translation>Retour au menu principal</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Print Excerises</source>
        <translation>Imprimer des exercices</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>No.%1</source>
        <translation>N°%1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Level %1</source>
        <translation>Niveau %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Review</source>
        <translation>Révision</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Do you want to print exercise?</source>
        <translation>Imprimer l&apos;exercice&#xa0;?</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Review for %1, %2</source>
        <translation>Révision pour %1, %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>sumtrail worksheet</source>
        <translation>Fiche sumtrail</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Do you want to save the worksheet as a PDF file instead?</source>
        <translation>Voulez-vous plutôt enregistrer la fiche en fichier PDF&#xa0;?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Worksheet</source>
        <translation>Enregistrer la fiche</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>worksheet.pdf</source>
        <translation>fiche.pdf</translation>
    </message>
</context>
<context>
    <name>ProgressChart</name>
    <message>
        <location filename="../src/gui/report/progresschart.cpp" line="+31"/>
        <source>Progress - %1</source>
        <translation>Progrès - %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Show the scores or the time taken</source>
        <translation>Montrer les scores ou le temps mis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Time taken</source>
        <translation>Temps mis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Show:</source>
        <translation>&amp;Afficher&#xa0;:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close the chart and go back to the report</source>
        <translation>Fermer le graphique des progrès et revenir au rapport</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>No results yet: the chart fills in as exercises are checked.</source>
        <translation>Pas encore de résultats&#xa0;: le graphique se remplit à mesure que les exercices sont corrigés.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Each point is the mean of one day&apos;s results.</source>
        <translation>Chaque point est la moyenne des résultats d&apos;une journée.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Results written with the same date and time are shown as their mean.</source>
        <translation>Les résultats de même date et heure sont montrés par leur moyenne.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Not shown, as their date, level or score cannot be read: %1.</source>
        <translation>Non affichés, leur date, niveau ou score étant illisible&#xa0;: %1.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Level %1</source>
        <translation>Niveau %1</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Score by date</source>
        <translation>Score par date</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Time taken by date</source>
        <translation>Temps mis par date</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Score (%)</source>
        <translation>Score (%)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Time taken (minutes:seconds)</source>
        <translation>Temps mis (minutes:secondes)</translation>
    </message>
</context>
<context>
    <name>ReportModel</name>
    <message>
        <location filename="../src/core/report/reportline.h" line="+20"/>
        <source>Date                        Level       Score       Speed</source>
        <translation>Date                       Niveau       Score       Temps</translation>
    </message>
</context>
<context>
    <name>ReportWindow</name>
    <message>
        <location filename="../src/gui/report/reportwindow.cpp" line="+35"/>
        <source>Main Menu</source>
        <translation>Menu principal</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close the report</source>
        <translation>Fermer le rapport</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>One line per checked exercise: date, level, score, time</source>
        <translation>Une ligne par exercice corrigé&#xa0;: date, niveau, score, temps</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <source>Student</source>
        <translation>Élève</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Progress</source>
        <translation>Progrès</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show a chart of the scores</source>
        <translation>Montrer un graphique des scores</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export...</source>
        <translation>Exporter...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save the results as a file of comma-separated values</source>
        <translation>Enregistrer les résultats dans un fichier CSV (valeurs séparées par des virgules)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Facts</source>
        <translation>Acquis</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show which sums the student knows, fact by fact</source>
        <translation>Montrer quelles sommes l&apos;élève connaît, une par une</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Class</source>
        <translation>Classe</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show every student of the class at a glance</source>
        <translation>Voir tous les élèves de la classe d&apos;un coup d&apos;œil</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Student : </source>
        <translation>Élève&#xa0;: </translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Export results</source>
        <translation>Exporter les résultats</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>datafile</name>
    <message>
        <location filename="../src/core/records/datafile.cpp" line="+32"/>
        <source>The file &quot;%1&quot; could not be read: %2.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» n&apos;a pas pu être lu&#xa0;: %2.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>it is a folder, not a plain file</source>
        <translation>c&apos;est un dossier, pas un simple fichier</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it is a named pipe, not a plain file</source>
        <translation>c&apos;est un tube nommé, pas un simple fichier</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it is a socket, not a plain file</source>
        <translation>c&apos;est un socket, pas un simple fichier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is a device, not a plain file</source>
        <translation>c&apos;est un périphérique, pas un simple fichier</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>the folder it was in no longer exists</source>
        <translation>le dossier qui le contenait n&apos;existe plus</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>it is a link to a file that does not exist</source>
        <translation>c&apos;est un lien vers un fichier qui n&apos;existe pas</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+20"/>
        <source>it is a link to a place outside this folder</source>
        <translation>c&apos;est un lien vers un endroit hors de ce dossier</translation>
    </message>
    <message>
        <location line="+114"/>
        <source>it is a link, not a plain file</source>
        <translation>c&apos;est un lien, pas un simple fichier</translation>
    </message>
</context>
<context>
    <name>printing</name>
    <message>
        <location filename="../src/gui/print/printing.cpp" line="+57"/>
        <source>The printer &quot;%1&quot; could not be started.</source>
        <translation>L&apos;imprimante «&#xa0;%1&#xa0;» n&apos;a pas pu démarrer.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The printer &quot;%1&quot; did not accept the page.</source>
        <translation>L&apos;imprimante «&#xa0;%1&#xa0;» n&apos;a pas accepté la page.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>the PDF document could not be started</source>
        <translation>le document PDF n&apos;a pas pu être commencé</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the PDF document could not be finished</source>
        <translation>le document PDF n&apos;a pas pu être terminé</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>There is no printer set up on this computer.</source>
        <translation>Aucune imprimante n&apos;est installée sur cet ordinateur.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The file was saved as &quot;%1&quot;.</source>
        <translation>Le fichier a été enregistré sous « %1 ».</translation>
    </message>
</context>
<context>
    <name>tablepage</name>
    <message>
        <location filename="../src/core/print/tablepage.cpp" line="+78"/>
        <source>Rows not on this page: %1.</source>
        <translation>Lignes absentes de cette page&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>ui</name>
    <message>
        <location filename="../src/gui/plugins/pluginloader.cpp" line="+22"/>
        <source>A part of sumtrail could not be loaded: %1</source>
        <translation>Une partie de sumtrail n&apos;a pas pu être chargée&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>lib%1.so does not provide %2</source>
        <translation>lib%1.so ne fournit pas %2</translation>
    </message>
</context>
</TS>
