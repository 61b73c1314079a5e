<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_CA">
<context>
    <name>Captions</name>
    <message>
        <source>Question %1 of %2</source>
        <translation>Question %1 de %2</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <extracomment>%1 &quot;Question 3 of 12&quot;, %2 the title of the study guide&apos;s chapter</extracomment>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Your answer is CORRECT.</source>
        <translation>Votre réponse est CORRECTE.</translation>
    </message>
    <message>
        <source>Your answer is WRONG, the correct answer is %1</source>
        <translation>Votre réponse est INCORRECTE, la bonne réponse est %1</translation>
    </message>
    <message>
        <source>%1 (Study guide: %2)</source>
        <extracomment>%1 the explanation, %2 the title of the study guide&apos;s chapter</extracomment>
        <translation>%1 (Guide d&apos;étude&#xa0;: %2)</translation>
    </message>
    <message>
        <source>Unanswered. The correct answer is %1.</source>
        <translation>Sans réponse. La bonne réponse est %1.</translation>
    </message>
    <message>
        <source>Correct. You chose %1.</source>
        <translation>Bonne réponse. Vous avez choisi %1.</translation>
    </message>
    <message>
        <source>Wrong. You chose %1. The correct answer is %2.</source>
        <translation>Mauvaise réponse. Vous avez choisi %1. La bonne réponse est %2.</translation>
    </message>
    <message>
        <source>Your answer, correct.</source>
        <translation>Votre réponse, correcte.</translation>
    </message>
    <message>
        <source>Your answer, wrong.</source>
        <translation>Votre réponse, incorrecte.</translation>
    </message>
    <message>
        <source>The correct answer.</source>
        <translation>La bonne réponse.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1.%2%</source>
        <extracomment>%1 whole percent, %2 the tenth: &quot;6.3%&quot;</extracomment>
        <translation>%1,%2&#xa0;%</translation>
    </message>
    <message>
        <source>Time left: %1:%2</source>
        <extracomment>%1 minutes, %2 seconds (two digits)</extracomment>
        <translation>Temps restant&#xa0;: %1&#xa0;min&#xa0;%2&#xa0;s</translation>
    </message>
</context>
<context>
    <name>ProblemReport</name>
    <message>
        <source>Problem with question %1</source>
        <translation>Problème avec la question %1</translation>
    </message>
    <message>
        <source>Question %1: %2

What is wrong with it:
</source>
        <translation>Question %1&#xa0;: %2

Ce qui ne va pas&#xa0;:
</translation>
    </message>
</context>
<context>
    <name>ProgressMessages</name>
    <message>
        <source>The file or its folder could not be opened or created.</source>
        <translation>Le fichier ou son dossier n&apos;a pas pu être ouvert ni créé.</translation>
    </message>
    <message>
        <source>It could not be written (is the disk full, or the file read-only?).</source>
        <translation>Il n&apos;a pas pu être écrit (le disque est-il plein, ou le fichier en lecture seule&#xa0;?).</translation>
    </message>
    <message>
        <source>It was written by a newer version of the program.</source>
        <translation>Il a été écrit par une version plus récente du programme.</translation>
    </message>
    <message>
        <source>(%1)</source>
        <translation>(%1)</translation>
    </message>
    <message>
        <source>Your progress could not be saved in %1.
%2
This test is kept while the program runs and saved again at the next Finish.</source>
        <translation>Votre progression n&apos;a pas pu être enregistrée dans %1.
%2
Ce test est gardé tant que le programme est ouvert et sera enregistré de nouveau au prochain «&#xa0;Terminer&#xa0;».</translation>
    </message>
    <message>
        <source>Your progress could not be read from %1.
%2</source>
        <translation>Votre progression n&apos;a pas pu être lue dans %1.
%2</translation>
    </message>
    <message>
        <source>Your progress file %1 could not be read. It was kept as %2, and a new one was started.</source>
        <translation>Votre fichier de progression %1 n&apos;a pas pu être lu. Il a été gardé sous le nom %2, et un nouveau fichier a été commencé.</translation>
    </message>
    <message>
        <source>Your progress was exported to %1.</source>
        <translation>Votre progression a été exportée dans %1.</translation>
    </message>
    <message>
        <source>Your progress could not be exported to %1.
%2</source>
        <translation>Votre progression n&apos;a pas pu être exportée dans %1.
%2</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Le fichier n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <source>The file is far larger than any progress file, so it was not read.</source>
        <translation>Le fichier est bien plus gros que tout fichier de progression, il n&apos;a donc pas été lu.</translation>
    </message>
    <message>
        <source>It is not a progress file exported by Veltrano Test.</source>
        <translation>Ce n&apos;est pas un fichier de progression exporté par Veltrano Test.</translation>
    </message>
    <message>
        <source>The file is damaged or cut short.</source>
        <translation>Le fichier est endommagé ou incomplet.</translation>
    </message>
    <message>
        <source>It was exported by a newer version of the program; update this one first.</source>
        <translation>Il a été exporté par une version plus récente du programme&#xa0;; mettez d&apos;abord celle-ci à jour.</translation>
    </message>
    <message>
        <source>Test %1 in it is of a kind this program does not know.</source>
        <translation>Le test %1 qu&apos;il contient est d&apos;un type que ce programme ne connaît pas.</translation>
    </message>
    <message>
        <source>Test %1 in it has an impossible date, size or score.</source>
        <translation>Le test %1 qu&apos;il contient a une date, un nombre de questions ou une note impossible.</translation>
    </message>
    <message>
        <source>Test %1 in it holds an answer that cannot be.</source>
        <translation>Le test %1 qu&apos;il contient renferme une réponse impossible.</translation>
    </message>
    <message>
        <source>The answers of test %1 in it do not add up to its score.</source>
        <translation>Les réponses du test %1 qu&apos;il contient ne correspondent pas à sa note.</translation>
    </message>
    <message>
        <source>It holds answers of a test %1 that is not in it.</source>
        <translation>Il contient des réponses d&apos;un test %1 qui n&apos;y figure pas.</translation>
    </message>
    <message>
        <source>It holds test %1 twice.</source>
        <translation>Il contient deux fois le test %1.</translation>
    </message>
    <message>
        <source>Nothing was imported from %1.
%2
Your progress is as it was.</source>
        <translation>Rien n&apos;a été importé de %1.
%2
Votre progression est restée telle quelle.</translation>
    </message>
    <message>
        <source>Every test in %1 is already in your progress; nothing changed.</source>
        <translation>Tous les tests de %1 sont déjà dans votre progression&#xa0;; rien n&apos;a changé.</translation>
    </message>
    <message>
        <source>Tests imported from %1: %2.</source>
        <translation>Tests importés de %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Tests already in your progress, left as they were: %1.</source>
        <translation>Tests déjà dans votre progression, laissés tels quels&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Redo of incorrect questions</source>
        <translation>Reprise des questions manquées</translation>
    </message>
    <message>
        <source>Weakest questions</source>
        <translation>Points faibles</translation>
    </message>
    <message>
        <source>Mock exam</source>
        <translation>Examen simulé</translation>
    </message>
    <message>
        <source>Chapter test</source>
        <translation>Test par chapitre</translation>
    </message>
    <message>
        <source>Practice test</source>
        <translation>Test de pratique</translation>
    </message>
</context>
<context>
    <name>ReportDocument</name>
    <message>
        <source>Veltrano Test report</source>
        <translation>Rapport de Veltrano Test</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>Score: %1 of %2 (%3)</source>
        <translation>Note&#xa0;: %1 sur %2 (%3)</translation>
    </message>
    <message>
        <source>PASS (the pass mark is %1 of %2)</source>
        <translation>RÉUSSI (la note de passage est de %1 sur %2)</translation>
    </message>
    <message>
        <source>FAIL (the pass mark is %1 of %2)</source>
        <translation>ÉCHEC (la note de passage est de %1 sur %2)</translation>
    </message>
    <message>
        <source>Every question was answered correctly.</source>
        <translation>Toutes les questions ont reçu une bonne réponse.</translation>
    </message>
    <message>
        <source>Questions answered wrongly: %1</source>
        <translation>Questions manquées&#xa0;: %1</translation>
    </message>
    <message>
        <source>(not answered)</source>
        <translation>(sans réponse)</translation>
    </message>
    <message>
        <source>Question %1: %2</source>
        <translation>Question %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Your answer: %1</source>
        <translation>Votre réponse&#xa0;: %1</translation>
    </message>
    <message>
        <source>Correct answer: %1</source>
        <translation>Bonne réponse&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>%1 is not a settings file that can be read.</source>
        <translation>%1 n&apos;est pas un fichier de paramètres lisible.</translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <translation>%1 est en lecture seule.</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>Le dossier %1 n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>The folder %1 is not writable.</source>
        <translation>Le dossier %1 n&apos;est pas accessible en écriture.</translation>
    </message>
    <message>
        <source>%1 could not be written (is the disk full?).</source>
        <translation>%1 n&apos;a pas pu être écrit (le disque est-il plein&#xa0;?).</translation>
    </message>
    <message>
        <source>it is not a settings file this program can read</source>
        <translation>ce n&apos;est pas un fichier de paramètres que ce programme sait lire</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is larger than %1 MiB</source>
        <translation>il dépasse %1&#xa0;Mio</translation>
    </message>
    <message>
        <source>%1 could not be written: the disk is full.</source>
        <translation>%1 n&apos;a pas pu être écrit&#xa0;: le disque est plein.</translation>
    </message>
    <message>
        <source>%1 could not be written (%2).</source>
        <translation>%1 n&apos;a pas pu être écrit (%2).</translation>
    </message>
    <message>
        <source>%1 could not be read (%2). It was kept aside as %3.</source>
        <translation>%1 n&apos;a pas pu être lu (%2). Il a été mis de côté sous le nom %3.</translation>
    </message>
    <message>
        <source>%1 could not be read (%2), and could not be kept aside as %3: %4.</source>
        <translation>%1 n&apos;a pas pu être lu (%2) ni mis de côté sous le nom %3&#xa0;: %4.</translation>
    </message>
    <message>
        <source>%1 could not be read, and could not be kept aside as %2.</source>
        <translation>%1 n&apos;a pas pu être lu ni mis de côté sous le nom %2.</translation>
    </message>
    <message>
        <source>Another copy of the program is saving to %1 at this moment.</source>
        <translation>Une autre copie du programme enregistre dans %1 en ce moment.</translation>
    </message>
    <message>
        <source>%1 could not be read (%2).</source>
        <translation>%1 n&apos;a pas pu être lu (%2).</translation>
    </message>
    <message>
        <source>%1 could not be written (the value cannot be kept as text).</source>
        <translation>%1 n&apos;a pas pu être écrit (la valeur ne peut pas être gardée sous forme de texte).</translation>
    </message>
    <message>
        <source>%1 would grow larger than %2 MiB.</source>
        <translation>%1 dépasserait %2&#xa0;Mio.</translation>
    </message>
</context>
<context>
    <name>veltrano::Form1</name>
    <message>
        <source>Your choice of language could not be saved.
%1
The program keeps it until it closes.</source>
        <translation>Votre choix de langue n&apos;a pas pu être enregistré.
%1
Le programme le garde jusqu&apos;à sa fermeture.</translation>
    </message>
    <message>
        <source>The incorrect-question history could not be saved.
%1
If you exit now, the questions you answered since it was last saved will not be remembered for Redo.
Do you want to stay in the program?</source>
        <translation>L&apos;historique des erreurs n&apos;a pas pu être enregistré.
%1
Si vous quittez maintenant, les questions auxquelles vous avez répondu depuis le dernier enregistrement ne seront pas retenues pour «&#xa0;Refaire les questions manquées&#xa0;».
Voulez-vous rester dans le programme&#xa0;?</translation>
    </message>
    <message>
        <source>Your settings could not be saved.
%1
The license agreement will be shown again the next time the program starts.</source>
        <translation>Vos paramètres n&apos;ont pas pu être enregistrés.
%1
Le contrat de licence sera affiché de nouveau au prochain démarrage du programme.</translation>
    </message>
    <message>
        <source>Do you want to cancel the current practice test?</source>
        <translation>Voulez-vous annuler le test de pratique en cours&#xa0;?</translation>
    </message>
    <message>
        <source>Re&amp;start</source>
        <translation>Relan&amp;cer</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Commencer</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Terminer</translation>
    </message>
    <message>
        <source>See your score again (Alt+F)</source>
        <translation>Revoir votre résultat (Alt+T)</translation>
    </message>
    <message>
        <source>Finish the test and see your score (Alt+F)</source>
        <translation>Terminer le test et voir votre résultat (Alt+T)</translation>
    </message>
    <message>
        <source>You have not gone through all the questions. You can use &apos;Next&apos; button to go to the next question.
Do you want to finish the test now?</source>
        <translation>Vous n&apos;avez pas vu toutes les questions. Le bouton «&#xa0;Suivant&#xa0;» mène à la question suivante.
Voulez-vous terminer le test maintenant&#xa0;?</translation>
    </message>
    <message>
        <source>The incorrect-question history could not be saved.
%1
It is kept while the program runs and saved again at the next Finish or Clear.</source>
        <translation>L&apos;historique des erreurs n&apos;a pas pu être enregistré.
%1
Il est gardé tant que le programme est ouvert et sera enregistré de nouveau au prochain «&#xa0;Terminer&#xa0;» ou «&#xa0;Effacer l&apos;historique&#xa0;».</translation>
    </message>
    <message>
        <source>There are no incorrect questions to redo.</source>
        <translation>Il n&apos;y a aucune question manquée à refaire.</translation>
    </message>
    <message>
        <source>You won&apos;t be able to redo incorrect questions if you clear the history. 
Continue to clear?</source>
        <translation>Si vous effacez l&apos;historique, vous ne pourrez plus refaire les questions manquées.
L&apos;effacer quand même&#xa0;?</translation>
    </message>
    <message>
        <source>Fla&amp;g for review</source>
        <translation>&amp;Marquer pour révision</translation>
    </message>
    <message>
        <source>Mark this question to come back to it before you finish (Alt+G)</source>
        <translation>Marquer cette question pour y revenir avant de terminer (Alt+M)</translation>
    </message>
    <message>
        <source>Flagged onl&amp;y</source>
        <translation>Marquées s&amp;eulement</translation>
    </message>
    <message>
        <source>Previous and Next go only to the questions flagged for review (Alt+Y)</source>
        <translation>«&#xa0;Précédent&#xa0;» et «&#xa0;Suivant&#xa0;» ne vont qu&apos;aux questions marquées pour révision (Alt+E)</translation>
    </message>
    <message>
        <source>Time left in the exam</source>
        <translation>Temps restant à l&apos;examen</translation>
    </message>
    <message>
        <source>%1 minutes left. Check your flagged and unanswered questions: the exam ends by itself when the time is up.</source>
        <extracomment>%1 minutes</extracomment>
        <translation>Il reste %1 minutes. Vérifiez vos questions marquées et celles sans réponse&#xa0;: l&apos;examen se termine de lui-même à la fin du temps.</translation>
    </message>
    <message>
        <source>Time is up: the exam is finished.</source>
        <translation>Le temps est écoulé&#xa0;: l&apos;examen est terminé.</translation>
    </message>
    <message>
        <source>You have 1 unanswered question. Finish the exam anyway?</source>
        <translation>Il vous reste 1 question sans réponse. Terminer l&apos;examen quand même&#xa0;?</translation>
    </message>
    <message>
        <source>You have %1 unanswered questions. Finish the exam anyway?</source>
        <translation>Il vous reste %1 questions sans réponse. Terminer l&apos;examen quand même&#xa0;?</translation>
    </message>
    <message>
        <source>Choose this answer (key %1 or %2)</source>
        <translation>Choisir cette réponse (touche %1 ou %2)</translation>
    </message>
    <message>
        <source>The correct answer: %1</source>
        <translation>La bonne réponse&#xa0;: %1</translation>
    </message>
    <message>
        <source>Your wrong answer: %1</source>
        <translation>Votre réponse incorrecte&#xa0;: %1</translation>
    </message>
    <message>
        <source>Your settings could not be saved.
%1</source>
        <translation>Vos paramètres n&apos;ont pas pu être enregistrés.
%1</translation>
    </message>
    <message>
        <source>&amp;Weakest Questions</source>
        <translation>&amp;Points faibles</translation>
    </message>
    <message>
        <source>Practise the questions you miss most and have mastered least</source>
        <translation>Vous exercer sur les questions que vous manquez le plus et maîtrisez le moins</translation>
    </message>
    <message>
        <source>Progr&amp;ess</source>
        <extracomment>Alt+E: the window&apos;s buttons hold Alt+S, P, N, F, R, C and I, the exam&apos;s check boxes Alt+G and Y, the menu bar Alt+T, A, L, O, X and U</extracomment>
        <translation>Pro&amp;gression</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>&amp;Statistiques</translation>
    </message>
    <message>
        <source>&amp;Print or Save Report…</source>
        <translation>&amp;Imprimer ou enregistrer le rapport…</translation>
    </message>
    <message>
        <source>E&amp;xport Progress…</source>
        <translation>E&amp;xporter la progression…</translation>
    </message>
    <message>
        <source>&amp;Import Progress…</source>
        <translation>Im&amp;porter une progression…</translation>
    </message>
    <message>
        <source>The statistics window could not be opened.
%1</source>
        <translation>La fenêtre des statistiques n&apos;a pas pu s&apos;ouvrir.
%1</translation>
    </message>
    <message>
        <source>Print the report of this test, or save it as a PDF file?</source>
        <translation>Imprimer le rapport de ce test, ou l&apos;enregistrer en fichier PDF&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>&amp;Save as PDF…</source>
        <translation>&amp;Enregistrer en PDF…</translation>
    </message>
    <message>
        <source>Printing is not available.
%1</source>
        <translation>L&apos;impression n&apos;est pas disponible.
%1</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Enregistrer le rapport</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The report could not be saved as %1.
%2</source>
        <translation>Le rapport n&apos;a pas pu être enregistré sous %1.
%2</translation>
    </message>
    <message>
        <source>Export Progress</source>
        <translation>Exporter la progression</translation>
    </message>
    <message>
        <source>Progress files (*.sqlite)</source>
        <translation>Fichiers de progression (*.sqlite)</translation>
    </message>
    <message>
        <source>Import Progress</source>
        <translation>Importer une progression</translation>
    </message>
    <message>
        <source>Progress files (*.sqlite);;All files (*)</source>
        <translation>Fichiers de progression (*.sqlite);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Practice Question Number:</source>
        <translation>Nombre de questions&#xa0;:</translation>
    </message>
    <message>
        <source>View wrong answers only.</source>
        <translation>Voir les erreurs seulement.</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>Check Answer</source>
        <translation>Vérifier la réponse</translation>
    </message>
    <message>
        <source>&amp;Redo Incorrect Questions</source>
        <translation>&amp;Refaire les questions manquées</translation>
    </message>
    <message>
        <source>&amp;Clear Incorrect History</source>
        <translation>Effacer l&apos;&amp;historique</translation>
    </message>
    <message>
        <source>&amp;Info Center</source>
        <translation>Centre d&apos;&amp;information</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Try a free sample test online</source>
        <translation>Essayez un test gratuit en ligne</translation>
    </message>
    <message>
        <source>Ready for your citizenship test?</source>
        <translation>Examen de citoyenneté en vue&#xa0;?</translation>
    </message>
    <message>
        <source>Report a problem with this question</source>
        <translation>Signaler un problème avec cette question</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À pr&amp;opos</translation>
    </message>
    <message>
        <source>&amp;License</source>
        <translation>&amp;Licence</translation>
    </message>
    <message>
        <source>&amp;Other Info</source>
        <translation>Autres re&amp;nseignements</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Lang&amp;uage</source>
        <extracomment>&quot;&amp;License&quot; takes Alt+L and &quot;Fla&amp;g for review&quot; Alt+G</extracomment>
        <translation>Lang&amp;ue</translation>
    </message>
    <message>
        <source>&amp;Voice</source>
        <translation>&amp;Voix</translation>
    </message>
    <message>
        <source>&amp;Read Aloud</source>
        <translation>&amp;Lire à voix haute</translation>
    </message>
    <message>
        <source>Read Every &amp;New Question</source>
        <translation>Lire chaque &amp;nouvelle question</translation>
    </message>
    <message>
        <source>%1 Questions(ALL)</source>
        <translation>Les %1 questions</translation>
    </message>
    <message>
        <source>%1 Questions</source>
        <translation>%1 questions</translation>
    </message>
    <message>
        <source>How many questions the next test asks</source>
        <translation>Nombre de questions du prochain test</translation>
    </message>
    <message>
        <source>Start a new practice test (Alt+S)</source>
        <translation>Commencer un nouveau test de pratique (Alt+C)</translation>
    </message>
    <message>
        <source>Practise the questions you last answered wrongly (Alt+R)</source>
        <translation>Refaire les questions auxquelles vous avez mal répondu la dernière fois (Alt+R)</translation>
    </message>
    <message>
        <source>Forget the questions you answered wrongly (Alt+C)</source>
        <translation>Oublier les questions auxquelles vous avez mal répondu (Alt+H)</translation>
    </message>
    <message>
        <source>Open the Veltrano Test home page (Alt+I)</source>
        <translation>Ouvrir la page d&apos;accueil de Veltrano Test (Alt+I)</translation>
    </message>
    <message>
        <source>Go to the previous question (Alt+P)</source>
        <translation>Aller à la question précédente (Alt+P)</translation>
    </message>
    <message>
        <source>Go to the next question (Alt+N)</source>
        <translation>Aller à la question suivante (Alt+S)</translation>
    </message>
    <message>
        <source>In the review, visit only the questions answered wrongly</source>
        <translation>Pendant la révision, ne parcourir que les questions manquées</translation>
    </message>
    <message>
        <source>Write to us about this question in your e-mail program</source>
        <translation>Nous écrire au sujet de cette question avec votre logiciel de courriel</translation>
    </message>
    <message>
        <source>Open the free sample test in your browser</source>
        <translation>Ouvrir le test gratuit dans votre navigateur</translation>
    </message>
    <message>
        <source>Banner</source>
        <translation>Bannière</translation>
    </message>
    <message>
        <source>Veltrano Test home page</source>
        <translation>Page d&apos;accueil de Veltrano Test</translation>
    </message>
    <message>
        <source>Open the Veltrano Test home page in your browser</source>
        <translation>Ouvrir la page d&apos;accueil de Veltrano Test dans votre navigateur</translation>
    </message>
    <message>
        <source>Partner site</source>
        <translation>Site partenaire</translation>
    </message>
    <message>
        <source>Your wrong answer</source>
        <translation>Votre réponse incorrecte</translation>
    </message>
    <message>
        <source>The correct answer</source>
        <translation>La bonne réponse</translation>
    </message>
    <message>
        <source>Prac&amp;tice</source>
        <translation>Pr&amp;atique</translation>
    </message>
    <message>
        <source>Citizenship &amp;Exam (%1 questions, %2 minutes)</source>
        <translation>&amp;Examen pour la citoyenneté (%1 questions, %2 minutes)</translation>
    </message>
    <message>
        <source>By &amp;Chapter</source>
        <translation>Par &amp;chapitre</translation>
    </message>
    <message>
        <source>%1 %2 (%3 questions)</source>
        <extracomment>%1 the chapter&apos;s number, %2 its title, %3 how many questions it has</extracomment>
        <translation>%1 %2 (%3 questions)</translation>
    </message>
</context>
<context>
    <name>veltrano::Form2</name>
    <message>
        <source>Test Result</source>
        <translation>Résultat du test</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Résultat&#xa0;:</translation>
    </message>
    <message>
        <source>Question Total:</source>
        <translation>Nombre de questions&#xa0;:</translation>
    </message>
    <message>
        <source>Correct Questions:</source>
        <translation>Bonnes réponses&#xa0;:</translation>
    </message>
    <message>
        <source>Percentage:</source>
        <translation>Pourcentage&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>PASS</source>
        <translation>RÉUSSI</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>ÉCHEC</translation>
    </message>
    <message>
        <source>Pass mark: %1 of %2</source>
        <translation>Note de passage&#xa0;: %1 sur %2</translation>
    </message>
</context>
<context>
    <name>veltrano::Form3</name>
    <message>
        <source>License</source>
        <translation>Licence</translation>
    </message>
    <message>
        <source>&amp;Accept</source>
        <translation>&amp;Accepter</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Not Accept</source>
        <translation>Refuser</translation>
    </message>
    <message>
        <source>License agreement</source>
        <translation>Contrat de licence</translation>
    </message>
    <message>
        <source>Please read the license agreement: press Tab to move into its text. Then choose Accept or Not Accept.</source>
        <translation>Veuillez lire le contrat de licence&#xa0;: appuyez sur Tab pour passer à son texte. Choisissez ensuite «&#xa0;Accepter&#xa0;» ou «&#xa0;Refuser&#xa0;».</translation>
    </message>
    <message>
        <source>The license agreement: press Tab to move into its text.</source>
        <translation>Le contrat de licence&#xa0;: appuyez sur Tab pour passer à son texte.</translation>
    </message>
</context>
<context>
    <name>veltrano::Form4</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>%1  © 2026 The Veltrano Test developers</source>
        <translation>%1  © 2026 Les développeurs de Veltrano Test</translation>
    </message>
    <message>
        <source>Thank you for practising with Veltrano Test.
Tell us what you think: write to feedback@veltrano.example.org.
Good luck with your citizenship test!
</source>
        <translation>Merci de vous exercer avec Veltrano Test.
Dites-nous ce que vous en pensez&#xa0;: écrivez à feedback@veltrano.example.org.
Bonne chance à votre examen pour la citoyenneté&#xa0;!
</translation>
    </message>
    <message>
        <source>Questions reviewed %1.</source>
        <translation>Questions révisées en %1.</translation>
    </message>
    <message>
        <source>For more hints about the Veltrano test, please visit: </source>
        <translation>Pour d&apos;autres conseils sur le test Veltrano, visitez&#xa0;: </translation>
    </message>
    <message>
        <source>Click on the &apos;More Info&apos; button for other citizenship information that you may be interested.
Click on &apos;Online Test&apos; button for a free web based practice test.</source>
        <translation>Cliquez sur «&#xa0;Plus d&apos;info&#xa0;» pour d&apos;autres renseignements sur la citoyenneté qui pourraient vous intéresser.
Cliquez sur «&#xa0;Test en ligne&#xa0;» pour un test de pratique gratuit sur le Web.</translation>
    </message>
    <message>
        <source>&amp;More Info</source>
        <translation>&amp;Plus d&apos;info</translation>
    </message>
    <message>
        <source>Online &amp;Test</source>
        <translation>Test en &amp;ligne</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>veltrano::ReadAloud</name>
    <message>
        <source>Read the question and its choices aloud (F5)</source>
        <translation>Lire à voix haute la question et ses choix de réponse (F5)</translation>
    </message>
    <message>
        <source>Reading aloud is not available: %1</source>
        <translation>La lecture à voix haute n&apos;est pas disponible&#xa0;: %1</translation>
    </message>
    <message>
        <source>Read each new question aloud as it comes into view</source>
        <translation>Lire à voix haute chaque nouvelle question dès qu&apos;elle s&apos;affiche</translation>
    </message>
</context>
<context>
    <name>veltrano::StatisticsWindow</name>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Vue d&apos;ensemble</translation>
    </message>
    <message>
        <source>Chapters</source>
        <translation>Chapitres</translation>
    </message>
    <message>
        <source>Most missed</source>
        <translation>Les plus manquées</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Chart of your scores over time</source>
        <translation>Graphique de vos résultats au fil du temps</translation>
    </message>
    <message>
        <source>Accuracy per chapter</source>
        <translation>Taux de bonnes réponses par chapitre</translation>
    </message>
    <message>
        <source>The questions you missed most, with their answers</source>
        <translation>Les questions que vous avez le plus manquées, avec leurs réponses</translation>
    </message>
    <message>
        <source>Tests taken: %1.  Questions answered: %2.</source>
        <translation>Tests effectués&#xa0;: %1.  Réponses données&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Readiness: %1 of %2 questions mastered (%3); a question is mastered once you answer it right on two different days without missing it in between.</source>
        <translation>Préparation&#xa0;: %1 questions maîtrisées sur %2 (%3)&#xa0;; une question est maîtrisée quand vous y répondez correctement deux jours différents sans la manquer entre-temps.</translation>
    </message>
    <message>
        <source>%1: %2 of %3, %4</source>
        <translation>%1&#xa0;: %2 sur %3, %4</translation>
    </message>
    <message>
        <source>PASS</source>
        <translation>RÉUSSI</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>ÉCHEC</translation>
    </message>
    <message>
        <source>No mock exam taken yet; the pass mark is %1 of %2.</source>
        <translation>Aucun examen simulé pour l&apos;instant&#xa0;; la note de passage est de %1 sur %2.</translation>
    </message>
    <message>
        <source>Last mock exams (the pass mark is %1 of %2): %3.</source>
        <translation>Derniers examens simulés (la note de passage est de %1 sur %2)&#xa0;: %3.</translation>
    </message>
    <message>
        <source>Scores over time</source>
        <translation>Résultats au fil du temps</translation>
    </message>
    <message>
        <source>Score of each test (%)</source>
        <translation>Résultat de chaque test (%)</translation>
    </message>
    <message>
        <source>Exam pass mark (%)</source>
        <translation>Note de passage de l&apos;examen (%)</translation>
    </message>
    <message>
        <source>MMM yyyy</source>
        <extracomment>Date formats of the chart&apos;s time axis (QDateTime::toString), over a long span and a short one.</extracomment>
        <translation>MMM yyyy</translation>
    </message>
    <message>
        <source>d MMM</source>
        <translation>d MMM</translation>
    </message>
    <message>
        <source>Chapter</source>
        <translation>Chapitre</translation>
    </message>
    <message>
        <source>Answered</source>
        <translation>Réponses</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Bonnes</translation>
    </message>
    <message>
        <source>Accuracy</source>
        <translation>Réussite</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Correct answer</source>
        <translation>Bonne réponse</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Manquée</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>%1 the share with one decimal in the user&apos;s locale: &quot;62.5%&quot;</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>%d%%</source>
        <extracomment>Labels of the chart&apos;s percentage axis, printf style: &quot;%d&quot; the number, &quot;%%&quot; the percent sign (&quot;60%&quot;). ASCII only: Qt Charts garbles any other character here, a non-breaking space too.</extracomment>
        <translation>%d %%</translation>
    </message>
</context>
<context>
    <name>veltrano::platform::SystemSpeaker</name>
    <message>
        <source>it could not start.</source>
        <translation>il n&apos;a pas pu démarrer.</translation>
    </message>
    <message>
        <source>No speech engine is installed (such as speech-dispatcher or flite).</source>
        <translation>Aucun moteur de synthèse vocale n&apos;est installé (comme speech-dispatcher ou flite).</translation>
    </message>
    <message>
        <source>The speech engine failed: %1</source>
        <translation>Le moteur de synthèse vocale a échoué&#xa0;: %1</translation>
    </message>
</context>
</TS>
