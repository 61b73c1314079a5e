<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_CA">
<context>
    <name>Captions</name>
    <message>
        <source>Question %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <extracomment>%1 &quot;Question 3 of 12&quot;, %2 the title of the study guide&apos;s chapter</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your answer is CORRECT.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your answer is WRONG, the correct answer is %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (Study guide: %2)</source>
        <extracomment>%1 the explanation, %2 the title of the study guide&apos;s chapter</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unanswered. The correct answer is %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correct. You chose %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong. You chose %1. The correct answer is %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your answer, correct.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your answer, wrong.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The correct answer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1.%2%</source>
        <extracomment>%1 whole percent, %2 the tenth: &quot;6.3%&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time left: %1:%2</source>
        <extracomment>%1 minutes, %2 seconds (two digits)</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProblemReport</name>
    <message>
        <source>Problem with question %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question %1: %2

What is wrong with it:
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgressMessages</name>
    <message>
        <source>The file or its folder could not be opened or created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It could not be written (is the disk full, or the file read-only?).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It was written by a newer version of the program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your progress could not be saved in %1.
%2
This test is kept while the program runs and saved again at the next Finish.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your progress could not be read from %1.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your progress file %1 could not be read. It was kept as %2, and a new one was started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your progress was exported to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your progress could not be exported to %1.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is far larger than any progress file, so it was not read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a progress file exported by Veltrano Test.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is damaged or cut short.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It was exported by a newer version of the program; update this one first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test %1 in it is of a kind this program does not know.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test %1 in it has an impossible date, size or score.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test %1 in it holds an answer that cannot be.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The answers of test %1 in it do not add up to its score.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It holds answers of a test %1 that is not in it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It holds test %1 twice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was imported from %1.
%2
Your progress is as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every test in %1 is already in your progress; nothing changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tests imported from %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tests already in your progress, left as they were: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo of incorrect questions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weakest questions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mock exam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chapter test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practice test</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportDocument</name>
    <message>
        <source>Veltrano Test report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score: %1 of %2 (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PASS (the pass mark is %1 of %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FAIL (the pass mark is %1 of %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every question was answered correctly.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Questions answered wrongly: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(not answered)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your answer: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correct answer: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>%1 is not a settings file that can be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 is not writable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be written (is the disk full?).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a settings file this program can read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is larger than %1 MiB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be written: the disk is full.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be written (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be read (%2). It was kept aside as %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be read (%2), and could not be kept aside as %3: %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be read, and could not be kept aside as %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another copy of the program is saving to %1 at this moment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be read (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be written (the value cannot be kept as text).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 would grow larger than %2 MiB.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>veltrano::Form1</name>
    <message>
        <source>Your choice of language could not be saved.
%1
The program keeps it until it closes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The incorrect-question history could not be saved.
%1
If you exit now, the questions you answered since it was last saved will not be remembered for Redo.
Do you want to stay in the program?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your settings could not be saved.
%1
The license agreement will be shown again the next time the program starts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to cancel the current practice test?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>See your score again (Alt+F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish the test and see your score (Alt+F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have not gone through all the questions. You can use &apos;Next&apos; button to go to the next question.
Do you want to finish the test now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The incorrect-question history could not be saved.
%1
It is kept while the program runs and saved again at the next Finish or Clear.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no incorrect questions to redo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You won&apos;t be able to redo incorrect questions if you clear the history. 
Continue to clear?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fla&amp;g for review</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark this question to come back to it before you finish (Alt+G)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flagged onl&amp;y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous and Next go only to the questions flagged for review (Alt+Y)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time left in the exam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 minutes left. Check your flagged and unanswered questions: the exam ends by itself when the time is up.</source>
        <extracomment>%1 minutes</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time is up: the exam is finished.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have 1 unanswered question. Finish the exam anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have %1 unanswered questions. Finish the exam anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose this answer (key %1 or %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The correct answer: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your wrong answer: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your settings could not be saved.
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Weakest Questions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practise the questions you miss most and have mastered least</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progr&amp;ess</source>
        <extracomment>Alt+E: the window&apos;s buttons hold Alt+S, P, N, F, R, C and I, the exam&apos;s check boxes Alt+G and Y, the menu bar Alt+T, A, L, O, X and U</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print or Save Report…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xport Progress…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import Progress…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The statistics window could not be opened.
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the report of this test, or save it as a PDF file?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save as PDF…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printing is not available.
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be saved as %1.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress files (*.sqlite)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress files (*.sqlite);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practice Question Number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View wrong answers only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo Incorrect Questions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear Incorrect History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Info Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try a free sample test online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready for your citizenship test?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report a problem with this question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;License</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Other Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lang&amp;uage</source>
        <extracomment>&quot;&amp;License&quot; takes Alt+L and &quot;Fla&amp;g for review&quot; Alt+G</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Voice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Read Aloud</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Every &amp;New Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Questions(ALL)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Questions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many questions the next test asks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start a new practice test (Alt+S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practise the questions you last answered wrongly (Alt+R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forget the questions you answered wrongly (Alt+C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the Veltrano Test home page (Alt+I)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to the previous question (Alt+P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to the next question (Alt+N)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the review, visit only the questions answered wrongly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write to us about this question in your e-mail program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the free sample test in your browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Banner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Veltrano Test home page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the Veltrano Test home page in your browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partner site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your wrong answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The correct answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prac&amp;tice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Citizenship &amp;Exam (%1 questions, %2 minutes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By &amp;Chapter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 (%3 questions)</source>
        <extracomment>%1 the chapter&apos;s number, %2 its title, %3 how many questions it has</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>veltrano::Form2</name>
    <message>
        <source>Test Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question Total:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correct Questions:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Percentage:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PASS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pass mark: %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>veltrano::Form3</name>
    <message>
        <source>License</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Accept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Accept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>License agreement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please read the license agreement: press Tab to move into its text. Then choose Accept or Not Accept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The license agreement: press Tab to move into its text.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>veltrano::Form4</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1  © 2026 The Veltrano Test developers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thank you for practising with Veltrano Test.
Tell us what you think: write to feedback@veltrano.example.org.
Good luck with your citizenship test!
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Questions reviewed %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For more hints about the Veltrano test, please visit: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click on the &apos;More Info&apos; button for other citizenship information that you may be interested.
Click on &apos;Online Test&apos; button for a free web based practice test.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;More Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Online &amp;Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>veltrano::ReadAloud</name>
    <message>
        <source>Read the question and its choices aloud (F5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading aloud is not available: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read each new question aloud as it comes into view</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>veltrano::StatisticsWindow</name>
    <message>
        <source>Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chapters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Most missed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart of your scores over time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accuracy per chapter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The questions you missed most, with their answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tests taken: %1.  Questions answered: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Readiness: %1 of %2 questions mastered (%3); a question is mastered once you answer it right on two different days without missing it in between.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 of %3, %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PASS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No mock exam taken yet; the pass mark is %1 of %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last mock exams (the pass mark is %1 of %2): %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scores over time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score of each test (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exam pass mark (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMM yyyy</source>
        <extracomment>Date formats of the chart&apos;s time axis (QDateTime::toString), over a long span and a short one.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>d MMM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chapter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accuracy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correct answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>veltrano::platform::SystemSpeaker</name>
    <message>
        <source>it could not start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No speech engine is installed (such as speech-dispatcher or flite).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The speech engine failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
