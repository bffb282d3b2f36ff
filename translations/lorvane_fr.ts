<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AppError</name>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Appel de procédure ou argument incorrect</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>L&apos;indice n&apos;appartient pas à la sélection</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Type incompatible</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valeur de propriété incorrecte</translation>
    </message>
</context>
<context>
    <name>BatchInputs</name>
    <message>
        <source>%1 is a file, not a folder: leave out the trailing &apos;/&apos;</source>
        <translation>%1 est un fichier, pas un dossier : retirez le &apos;/&apos; final</translation>
    </message>
    <message>
        <source>%1: no such file or folder</source>
        <translation>%1 : fichier ou dossier introuvable</translation>
    </message>
    <message>
        <source>%1 cannot be reached (%2)</source>
        <extracomment>%1 is a file or folder given; %2 is the system&apos;s reason.</extracomment>
        <translation>%1 est inaccessible (%2)</translation>
    </message>
    <message>
        <source>the output folder %1 takes no new files (%2)</source>
        <extracomment>%2 is the system&apos;s reason.</extracomment>
        <translation>le dossier de sortie %1 n&apos;accepte aucun nouveau fichier (%2)</translation>
    </message>
    <message>
        <source>warning: LORVANE_JOBS=&apos;%1&apos; is not a whole number from 1 to %2; running 1 conversion at once</source>
        <extracomment>%1 is the variable&apos;s value; %2 is the most conversions at once; %n is how many run.</extracomment>
        <translation>avertissement : LORVANE_JOBS=&apos;%1&apos; n&apos;est pas un nombre entier de 1 à %2 ; 1 conversion à la fois</translation>
    </message>
    <message numerus="yes">
        <source>warning: LORVANE_JOBS=&apos;%1&apos; is not a whole number from 1 to %2; running %n conversions at once</source>
        <translation>
            <numerusform>avertissement : LORVANE_JOBS=&apos;%1&apos; n&apos;est pas un nombre entier de 1 à %2 ; %n conversion à la fois</numerusform>
            <numerusform>avertissement : LORVANE_JOBS=&apos;%1&apos; n&apos;est pas un nombre entier de 1 à %2 ; %n conversions à la fois</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BatchMode</name>
    <message>
        <source>stopping after the files in hand; Ctrl+C again to stop now</source>
        <translation>arrêt après les fichiers en cours ; Ctrl+C à nouveau pour arrêter tout de suite</translation>
    </message>
    <message>
        <source>stopping after the files in hand (%1); %1 again stops now</source>
        <extracomment>%1 is the signal&apos;s name, such as SIGTERM.</extracomment>
        <translation>arrêt après les fichiers en cours (%1) ; %1 à nouveau arrête tout de suite</translation>
    </message>
    <message>
        <source>no files in %1 or its subfolders</source>
        <extracomment>%1 names the folders (%n of them) that held no file at all.</extracomment>
        <translation>aucun fichier dans %1 ni dans ses sous-dossiers</translation>
    </message>
    <message numerus="yes">
        <source>no files in %1 or their subfolders</source>
        <translation>
            <numerusform>aucun fichier dans %1 ni dans ses sous-dossiers</numerusform>
            <numerusform>aucun fichier dans %1 ni dans leurs sous-dossiers</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The endings a folder was searched for: %1 lists all but the last (&quot;.ogg, .oga&quot;), %2 is the last (&quot;.opus&quot;).</extracomment>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>no %1 files in %2 or its subfolders; --extension chooses other endings (--extension=&apos;*&apos; takes every file)</source>
        <extracomment>%1 is the endings searched for (&quot;.ogg, .oga or .opus&quot;), %2 names the folders (%n of them). Keep the options as they are.</extracomment>
        <translation>aucun fichier %1 dans %2 ni dans ses sous-dossiers ; --extension choisit d&apos;autres extensions (--extension=&apos;*&apos; prend tous les fichiers)</translation>
    </message>
    <message numerus="yes">
        <source>no %1 files in %2 or their subfolders; --extension chooses other endings (--extension=&apos;*&apos; takes every file)</source>
        <translation>
            <numerusform>aucun fichier %1 dans %2 ni dans ses sous-dossiers ; --extension choisit d&apos;autres extensions (--extension=&apos;*&apos; prend tous les fichiers)</numerusform>
            <numerusform>aucun fichier %1 dans %2 ni dans leurs sous-dossiers ; --extension choisit d&apos;autres extensions (--extension=&apos;*&apos; prend tous les fichiers)</numerusform>
        </translation>
    </message>
    <message>
        <source>Application Error: %1</source>
        <extracomment>A line of a failure report, as the window&apos;s &quot;Application Error&quot; box would show it.</extracomment>
        <translation>Erreur de l&apos;application : %1</translation>
    </message>
    <message>
        <source>the window&apos;s settings (%1) choose no output format; give one with --format</source>
        <extracomment>%1 is the settings file.</extracomment>
        <translation>les paramètres de la fenêtre (%1) ne définissent aucun format de sortie ; indiquez-en un avec --format</translation>
    </message>
    <message>
        <source>the output folder &apos;%1&apos;, the window&apos;s choice (stored in %2), does not exist; give one with --output-folder</source>
        <extracomment>%1 is the folder, %2 the settings file.</extracomment>
        <translation>le dossier de sortie &apos;%1&apos;, choisi dans la fenêtre (enregistré dans %2), n&apos;existe pas ; indiquez-en un avec --output-folder</translation>
    </message>
    <message>
        <source>the default output folder &apos;%1&apos; does not exist; give one with --output-folder</source>
        <translation>le dossier de sortie par défaut &apos;%1&apos; n&apos;existe pas ; indiquez-en un avec --output-folder</translation>
    </message>
    <message>
        <source>%1, the default</source>
        <extracomment>In the batch mode&apos;s last line: %1 is the format or where the results went, which nobody chose.</extracomment>
        <translation>%1, par défaut</translation>
    </message>
    <message>
        <source>%1, the window&apos;s choice</source>
        <extracomment>In the batch mode&apos;s last line: %1 is the format or where the results went, as chosen in the window.</extracomment>
        <translation>%1, choix de la fenêtre</translation>
    </message>
    <message>
        <source>results beside their sources</source>
        <translation>résultats à côté de leurs sources</translation>
    </message>
    <message>
        <source>results in %1</source>
        <extracomment>In the batch mode&apos;s last line: %1 is the output folder.</extracomment>
        <translation>résultats dans %1</translation>
    </message>
    <message>
        <source>%1, source trees kept</source>
        <extracomment>In the batch mode&apos;s last line: %1 says where the results went; --keep-tree was given.</extracomment>
        <translation>%1, arborescence des sources conservée</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>The batch mode&apos;s last line: %1 is the format, %2 where the results went.</extracomment>
        <translation>%1 ; %2</translation>
    </message>
    <message>
        <source>%1 s</source>
        <extracomment>The time a short run took: %1 is in seconds.</extracomment>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 of 1 file converted, %2 up to date, %3 not converted, in %4</source>
        <extracomment>The batch mode&apos;s summary: %1 of the run&apos;s %n files were converted, %2 were up to date and %3 not converted; %4 is the time the run took.</extracomment>
        <translation>convertis : %1 sur 1 fichier, à jour : %2, non convertis : %3, durée : %4</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files converted, %2 up to date, %3 not converted, in %4</source>
        <translation>
            <numerusform>convertis : %1 sur %n fichier, à jour : %2, non convertis : %3, durée : %4</numerusform>
            <numerusform>convertis : %1 sur %n fichiers, à jour : %2, non convertis : %3, durée : %4</numerusform>
        </translation>
    </message>
    <message>
        <source>the report %1 was not written: %2</source>
        <extracomment>%1 is the report file, %2 the system&apos;s reason.</extracomment>
        <translation>le rapport %1 n&apos;a pas été écrit : %2</translation>
    </message>
    <message>
        <source>note: %1: %2</source>
        <extracomment>Something about a converted file worth knowing: %1 is the source, %2 what.</extracomment>
        <translation>remarque : %1 : %2</translation>
    </message>
    <message>
        <source>nothing to convert: %1</source>
        <extracomment>%1 says what the folders given held none of.</extracomment>
        <translation>rien à convertir : %1</translation>
    </message>
    <message>
        <source>note: %1</source>
        <extracomment>%1 says what a folder given held none of.</extracomment>
        <translation>remarque : %1</translation>
    </message>
    <message>
        <source>not started: the run was stopped</source>
        <translation>non lancé : le traitement a été arrêté</translation>
    </message>
    <message>
        <source>not started: the run was refused</source>
        <translation>non lancé : le traitement a été refusé</translation>
    </message>
    <message>
        <source>moved to the trash to make way for its result: %1</source>
        <extracomment>%1 is the file that was in the way, and where in the trash it went.</extracomment>
        <translation>déplacé vers la corbeille pour faire place à son résultat : %1</translation>
    </message>
    <message>
        <source>not converted: %1: %2</source>
        <extracomment>%1 is the source, %2 the reason.</extracomment>
        <translation>non converti : %1 : %2</translation>
    </message>
    <message numerus="yes">
        <source>; stopped by %1 before %n more started</source>
        <extracomment>Added to the summary: %1 is the signal&apos;s name, such as SIGINT; %n files were still to start.</extracomment>
        <translation>
            <numerusform>; arrêté par %1 avant le lancement de %n autre fichier</numerusform>
            <numerusform>; arrêté par %1 avant le lancement de %n autres fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>; stopped by %1</source>
        <extracomment>Added to the summary: %1 is the signal&apos;s name, such as SIGINT.</extracomment>
        <translation>; arrêté par %1</translation>
    </message>
</context>
<context>
    <name>BatchPlan</name>
    <message>
        <source>its result would be outside the output folder</source>
        <extracomment>Why a file found in a folder was not converted with --keep-tree: its subfolder would lead out of the output folder.</extracomment>
        <translation>son résultat serait hors du dossier de sortie</translation>
    </message>
</context>
<context>
    <name>BatchProgress</name>
    <message>
        <source>--:-- left</source>
        <extracomment>In the progress line, before the time left can be estimated; &quot;--:--&quot; stands for the minutes and seconds.</extracomment>
        <translation>restant : --:--</translation>
    </message>
    <message>
        <source>[%1/%2] Processing: %3</source>
        <extracomment>A line for each file as it starts, when standard error is no terminal: %1 is the file&apos;s place in the run, %2 the files of the run, %3 the file&apos;s name.</extracomment>
        <translation>[%1/%2] Traitement : %3</translation>
    </message>
    <message>
        <source>%1x real time, %2 left</source>
        <extracomment>In the progress line: %1 is how many seconds of sound are converted a second, %2 the time left (minutes:seconds).</extracomment>
        <translation>%1x temps réel, restant : %2</translation>
    </message>
    <message>
        <source>%1 files/s, %2 left</source>
        <extracomment>In the progress line, when no file&apos;s length is known: %1 is how many files are converted a second, %2 the time left (minutes:seconds).</extracomment>
        <translation>%1 fichiers/s, restant : %2</translation>
    </message>
    <message>
        <source>%1 of 1 file converted</source>
        <extracomment>The start of the progress line: %1 of the run&apos;s %n files are converted so far.</extracomment>
        <translation>convertis : %1 sur 1 fichier</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files converted</source>
        <translation>
            <numerusform>convertis : %1 sur %n fichier</numerusform>
            <numerusform>convertis : %1 sur %n fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>, %1 up to date</source>
        <extracomment>Added to the progress line: %1 files were left as they were (--update).</extracomment>
        <translation>, à jour : %1</translation>
    </message>
    <message>
        <source>, %1 not converted</source>
        <extracomment>Added to the progress line: %1 files were not converted.</extracomment>
        <translation>, non convertis : %1</translation>
    </message>
    <message>
        <source>stopping</source>
        <extracomment>In the progress line, once a stop was asked for, in place of the time left.</extracomment>
        <translation>arrêt en cours</translation>
    </message>
    <message>
        <source>, %1 elapsed, %2</source>
        <extracomment>Added to the progress line: %1 is the time since the start (minutes:seconds), %2 the pace and the time left, or &quot;stopping&quot;.</extracomment>
        <translation>, écoulé : %1, %2</translation>
    </message>
    <message numerus="yes">
        <source>; Processing: %1 and %n more</source>
        <extracomment>The end of the progress line: %1 is the name of a file being converted, %n how many more are.</extracomment>
        <translation>
            <numerusform>; traitement : %1 et %n autre</numerusform>
            <numerusform>; traitement : %1 et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>; Processing: %1</source>
        <extracomment>The end of the progress line: %1 is the name of the file being converted.</extracomment>
        <translation>; traitement : %1</translation>
    </message>
</context>
<context>
    <name>ConversionRun</name>
    <message>
        <source>No files added.</source>
        <translation>Aucun fichier ajouté.</translation>
    </message>
    <message>
        <source>Folder does not exist. Please select another folder.</source>
        <translation>Le dossier n&apos;existe pas. Veuillez choisir un autre dossier.</translation>
    </message>
    <message>
        <source>No output format is chosen. Please select an output format.</source>
        <translation>Aucun format de sortie n&apos;est choisi. Veuillez choisir un format de sortie.</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Please wait.. </source>
        <translation>Veuillez patienter.. </translation>
    </message>
    <message>
        <source>Processing: %1</source>
        <extracomment>On the progress bar while a file converts; %1 is its name.</extracomment>
        <translation>Traitement : %1</translation>
    </message>
</context>
<context>
    <name>ConverterTool</name>
    <message>
        <source>Install FFmpeg with &quot;sudo apt install ffmpeg&quot;, or name the FFmpeg program to use in the environment variable LORVANE_FFMPEG.</source>
        <translation>Installez FFmpeg avec « sudo apt install ffmpeg », ou indiquez le programme FFmpeg à utiliser dans la variable d&apos;environnement LORVANE_FFMPEG.</translation>
    </message>
    <message>
        <source>The program %1 cannot do the conversion: it lacks %2.

</source>
        <translation>Le programme %1 ne peut pas effectuer la conversion : il lui manque %2.

</translation>
    </message>
    <message>
        <source>the encoder %1</source>
        <extracomment>Part of &quot;it lacks %2&quot;: an FFmpeg encoder&apos;s name, such as pcm_s16le.</extracomment>
        <translation>l&apos;encodeur %1</translation>
    </message>
    <message>
        <source>the Vorbis decoder</source>
        <translation>le décodeur Vorbis</translation>
    </message>
    <message>
        <source>the WAV writer</source>
        <translation>le module d&apos;écriture WAV</translation>
    </message>
    <message>
        <source>FFmpeg, which does the conversion, was not found.

</source>
        <translation>FFmpeg, qui effectue la conversion, est introuvable.

</translation>
    </message>
    <message>
        <source>The converter %1 named in LORVANE_FFMPEG was not found.

</source>
        <translation>Le convertisseur %1 indiqué dans LORVANE_FFMPEG est introuvable.

</translation>
    </message>
    <message>
        <source>The converter %1 was not found.

</source>
        <translation>Le convertisseur %1 est introuvable.

</translation>
    </message>
    <message>
        <source>The converter %1 is not an executable program.

</source>
        <translation>Le convertisseur %1 n&apos;est pas un programme exécutable.

</translation>
    </message>
    <message>
        <source>The converter %1 did not answer as FFmpeg does.

</source>
        <translation>Le convertisseur %1 n&apos;a pas répondu comme le fait FFmpeg.

</translation>
    </message>
    <message>
        <source>The converter %1 is %2, not FFmpeg itself.

</source>
        <translation>Le convertisseur %1 est %2, et non FFmpeg lui-même.

</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Show</source>
        <extracomment>The button on the desktop&apos;s notification that brings the window forward.</extracomment>
        <translation>Afficher</translation>
    </message>
</context>
<context>
    <name>DesktopRun</name>
    <message>
        <source>Converting files</source>
        <extracomment>Why the machine is kept awake, as the desktop shows it to one about to suspend or log out.</extracomment>
        <translation>Conversion de fichiers en cours</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <extracomment>The heading of the desktop notification at the end of a run.</extracomment>
        <translation>Conversion terminée</translation>
    </message>
    <message>
        <source>1 file converted.</source>
        <extracomment>The desktop notification&apos;s text after a run that converted every file.</extracomment>
        <translation>1 fichier converti.</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted.</source>
        <translation>
            <numerusform>%n fichier converti.</numerusform>
            <numerusform>%n fichiers convertis.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2.</source>
        <extracomment>The desktop notification&apos;s text after a run that left files out: %1 is &quot;N files converted&quot;, %2 &quot;N files not converted&quot;.</extracomment>
        <translation>%1, %2.</translation>
    </message>
    <message>
        <source>1 file converted</source>
        <extracomment>The first half of &quot;N files converted, N files not converted.&quot;</extracomment>
        <translation>1 fichier converti</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>%n fichier converti</numerusform>
            <numerusform>%n fichiers convertis</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file not converted</source>
        <extracomment>The second half of &quot;N files converted, N files not converted.&quot;</extracomment>
        <translation>1 fichier non converti</translation>
    </message>
    <message numerus="yes">
        <source>%n files not converted</source>
        <translation>
            <numerusform>%n fichier non converti</numerusform>
            <numerusform>%n fichiers non convertis</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Please send a screenshot of this message to whoever provided this program.</source>
        <translation>Veuillez envoyer une capture d&apos;écran de ce message à la personne qui vous a fourni ce programme.</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <extracomment>The last line of an error report; %1 is the e-mail address of the program&apos;s support.</extracomment>
        <translation>Veuillez envoyer une capture d&apos;écran de ce message par e-mail à %1</translation>
    </message>
    <message>
        <source>%1 at line %2</source>
        <extracomment>The second line of an error report: where the failure happened. %1 is the place, in words of the program&apos;s own that stay as they are (&quot;in Tessaly2021/08/31.Form1.Form_Load&quot;), %2 the number of the step that failed.</extracomment>
        <translation>%1 à la ligne %2</translation>
    </message>
    <message>
        <source>Application Error</source>
        <extracomment>Title of the box that reports a failure of the window.</extracomment>
        <translation>Erreur de l&apos;application</translation>
    </message>
</context>
<context>
    <name>FormatTable</name>
    <message>
        <source>8-bit integer, unsigned</source>
        <translation>Entier 8 bits, non signé</translation>
    </message>
    <message>
        <source>16-bit integer, signed</source>
        <translation>Entier 16 bits, signé</translation>
    </message>
    <message>
        <source>8-bit µ-law, companded</source>
        <translation>µ-law 8 bits, compandé</translation>
    </message>
    <message>
        <source>24-bit integer, signed</source>
        <translation>Entier 24 bits, signé</translation>
    </message>
    <message>
        <source>32-bit floating point</source>
        <translation>Virgule flottante 32 bits</translation>
    </message>
    <message>
        <source>64-bit floating point</source>
        <translation>Virgule flottante 64 bits</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Usage: lorvane [FILE|FOLDER]...
  or:  lorvane --convert [OPTION]... FILE|FOLDER...
Convert Ogg Vorbis and Opus files into WAV files with FFmpeg.

Without --convert, Lorvane opens its window and queues the files as given and
every file of each folder and its subfolders. When a Lorvane window of yours
is already open, the files and folders are queued there instead. The window
takes Qt&apos;s standard options (-style Fusion, -platform offscreen, -reverse,
-stylesheet FILE, -display DISPLAY ...) and needs a graphical session.

With --convert, Lorvane converts without a window and then ends. Each file
becomes a .wav file of the same name. Format and location not given here are
the ones chosen in the window (its settings, which the batch mode never
changes); the summary says where each came from.

      --convert              convert without a window
      --format=LABEL|INDEX   the WAV format, by its label or its index:
</source>
        <extracomment>The first part of the --help text; the table of formats follows it, then the second part. Keep the option names, the program&apos;s name and the command lines as they are, the descriptions in one column (the format table is indented to that column, the 30th), and each line shorter than 80 characters.</extracomment>
        <translation>Usage : lorvane [FILE|FOLDER]...
  ou :  lorvane --convert [OPTION]... FILE|FOLDER...
Convertit des fichiers Ogg Vorbis et Opus en fichiers WAV avec FFmpeg.

Sans --convert, Lorvane ouvre sa fenêtre et y ajoute les fichiers donnés ainsi
que tous les fichiers de chaque dossier et de ses sous-dossiers. Si vous avez
déjà une fenêtre Lorvane ouverte, les fichiers et dossiers y sont ajoutés à la
place. La fenêtre accepte les options standard de Qt (-style Fusion,
-platform offscreen, -reverse, -stylesheet FILE, -display DISPLAY ...) et
nécessite une session graphique.

Avec --convert, Lorvane convertit sans fenêtre puis se termine. Chaque fichier
devient un fichier .wav du même nom. Le format et l&apos;emplacement non indiqués
ici sont ceux choisis dans la fenêtre (ses paramètres, que le mode par lots ne
modifie jamais) ; le résumé indique l&apos;origine de chacun.

      --convert              convertir sans fenêtre
      --format=LABEL|INDEX   le format WAV, par son libellé ou son index :
</translation>
    </message>
    <message>
        <source>      --output-folder=DIR    save the results in DIR (it must exist)
      --beside-source        save each result in its source&apos;s folder
      --extension=EXT[,EXT]  take the files ending in .EXT from the folders
                             given (default: ogg,oga,opus; * for every file)
      --jobs=N               run up to N conversions at once (1 to %1)
      --keep-tree            keep each folder&apos;s tree below the output folder:
                             FOLDER/a/b.ogg becomes OUTPUT/a/b.wav
      --update               leave a result alone that this program made from
                             the same source, newer than it and complete
      --report=FILE          write one JSON line per file to FILE: source,
                             result, outcome, reason, and where a file of
                             the result&apos;s name went in the trash
      --quiet                show only what was not converted, and the summary
  -h, --help                 display this help and exit
      --version              output version information and exit

Until a format is chosen in the window the format is 16-bit PCM, and until a
folder is, the results go to the desktop folder (the home folder when there
is none).

Progress goes to standard error. Exit status of --convert: 0 when every file
was converted or up to date, 1 when some were not (each is named with the
reason), 2 for a usage error or an input, output folder or stored folder
that cannot be used (nothing is converted then), 128+N when stopped by
signal N.

Example: lorvane --convert --format &quot;16-bit PCM&quot; --output-folder ~/wav ~/Music
</source>
        <extracomment>The second part of the --help text, after the table of formats; %1 is the most conversions at once. Keep the option names, &quot;16-bit PCM&quot;, the extensions and the example as they are, the descriptions in the same column as in the first part, and each line shorter than 80 characters.</extracomment>
        <translation>      --output-folder=DIR    enregistrer les résultats dans DIR (existant)
      --beside-source        enregistrer chaque résultat à côté de sa source
      --extension=EXT[,EXT]  prendre dans les dossiers donnés les fichiers
                             finissant par .EXT (par défaut : ogg,oga,opus ;
                             * pour tous les fichiers)
      --jobs=N               lancer jusqu&apos;à N conversions à la fois (1 à %1)
      --keep-tree            reproduire l&apos;arborescence de chaque dossier sous
                             le dossier de sortie : FOLDER/a/b.ogg devient
                             OUTPUT/a/b.wav
      --update               laisser tel quel un résultat que ce programme a
                             créé à partir de la même source, plus récent
                             qu&apos;elle et complet
      --report=FILE          écrire dans FILE une ligne JSON par fichier :
                             source, résultat, issue, raison, et l&apos;emplacement
                             dans la corbeille de l&apos;ancien fichier du même nom
      --quiet                n&apos;afficher que ce qui n&apos;a pas été converti, et le
                             résumé
  -h, --help                 afficher cette aide et quitter
      --version              afficher les informations de version et quitter

Tant qu&apos;aucun format n&apos;est choisi dans la fenêtre, le format est 16-bit PCM, et
tant qu&apos;aucun dossier ne l&apos;est, les résultats vont dans le dossier Bureau (ou
dans le dossier personnel s&apos;il n&apos;existe pas).

La progression s&apos;affiche sur la sortie d&apos;erreur standard. Code de retour de
--convert : 0 si chaque fichier a été converti ou était à jour, 1 si certains
ne l&apos;ont pas été (chacun est nommé avec la raison), 2 pour une erreur
d&apos;utilisation ou une entrée, un dossier de sortie ou un dossier enregistré
inutilisable (rien n&apos;est alors converti), 128+N en cas d&apos;arrêt par le signal N.

Exemple : lorvane --convert --format &quot;16-bit PCM&quot; --output-folder ~/wav ~/Music
</translation>
    </message>
    <message>
        <source>Try &apos;lorvane --help&apos; for more information.</source>
        <translation>Saisissez &apos;lorvane --help&apos; pour plus d&apos;informations.</translation>
    </message>
</context>
<context>
    <name>LoopPoints</name>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 est indiqué deux fois</translation>
    </message>
    <message>
        <source>%1 without LOOPSTART</source>
        <translation>%1 sans LOOPSTART</translation>
    </message>
    <message>
        <source>LOOPSTART without LOOPLENGTH or LOOPEND</source>
        <translation>LOOPSTART sans LOOPLENGTH ni LOOPEND</translation>
    </message>
    <message>
        <source>%1 is negative</source>
        <translation>%1 est négatif</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 n&apos;est pas un nombre entier</translation>
    </message>
    <message>
        <source>LOOPLENGTH is 0</source>
        <translation>LOOPLENGTH vaut 0</translation>
    </message>
    <message>
        <source>LOOPEND is not after LOOPSTART</source>
        <translation>LOOPEND n&apos;est pas après LOOPSTART</translation>
    </message>
    <message>
        <source>LOOPLENGTH and LOOPEND disagree</source>
        <translation>LOOPLENGTH et LOOPEND se contredisent</translation>
    </message>
    <message>
        <source>the loop runs past the end</source>
        <translation>la boucle dépasse la fin</translation>
    </message>
    <message>
        <source>the result is no whole WAV file</source>
        <translation>le résultat n&apos;est pas un fichier WAV complet</translation>
    </message>
    <message>
        <source>the loop does not survive the change of rate</source>
        <translation>la boucle ne résiste pas au changement de fréquence d&apos;échantillonnage</translation>
    </message>
    <message>
        <source>the loop runs past the end of the result</source>
        <translation>la boucle dépasse la fin du résultat</translation>
    </message>
    <message>
        <source>the loop lies beyond what a WAV sampler chunk can point at</source>
        <translation>la boucle est au-delà de ce qu&apos;un chunk sampler WAV peut désigner</translation>
    </message>
    <message>
        <source>the result has no room for the sizes past 4 GiB</source>
        <translation>le résultat n&apos;a pas de place pour les tailles au-delà de 4 Gio</translation>
    </message>
    <message>
        <source>its loop tags were ignored: %1</source>
        <translation>ses balises de boucle ont été ignorées : %1</translation>
    </message>
    <message>
        <source>its loop points were left out: %1</source>
        <translation>ses points de boucle ont été omis : %1</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>the window program could not be found</source>
        <translation>le programme de la fenêtre est introuvable</translation>
    </message>
    <message>
        <source>the window program %1 could not be started: %2</source>
        <extracomment>%1 is the window program&apos;s file, %2 the system&apos;s reason.</extracomment>
        <translation>le programme de la fenêtre %1 n&apos;a pas pu être lancé : %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <extracomment>The file list&apos;s tooltip; &quot;| line&quot; is the edge of the list&apos;s one column, which the mouse drags to widen it.</extracomment>
        <translation>Glissez-déposez des fichiers ici. Double-cliquez sur un élément pour le retirer. Déplacez la ligne | vers la droite, hors de la fenêtre, pour voir les noms complets.</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <extracomment>What the progress bar at the foot of the window says while no file is converted.</extracomment>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Add OGG File(s)</source>
        <extracomment>Button: opens a file dialog to add Ogg files to the list.</extracomment>
        <translation>Ajouter des fichiers</translation>
    </message>
    <message>
        <source>Add All OGG File(s) In Folder</source>
        <extracomment>Button: asks for file endings and a folder, and adds the matching files in that folder and the folders in it.</extracomment>
        <translation>Ajouter depuis un dossier</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Clear List</source>
        <extracomment>Button: empties the file list.</extracomment>
        <translation>Vider la liste</translation>
    </message>
    <message>
        <source>Load Sample/Example Files</source>
        <translation>Charger les exemples</translation>
    </message>
    <message>
        <source>Output WAV Format</source>
        <extracomment>Caption of the frame around the drop-down of WAV formats.</extracomment>
        <translation>Format WAV de sortie</translation>
    </message>
    <message>
        <source>Save Option</source>
        <extracomment>Caption of the frame around the choice of where the WAV files are saved.</extracomment>
        <translation>Destination</translation>
    </message>
    <message>
        <source>Save results to this folder:</source>
        <extracomment>Option; the folder field follows it.</extracomment>
        <translation>Enregistrer dans ce dossier :</translation>
    </message>
    <message>
        <source>Save results in folder of original file</source>
        <translation>Enregistrer dans le dossier d&apos;origine</translation>
    </message>
    <message>
        <source>OGG File(s)</source>
        <extracomment>Header of the file list&apos;s one column.</extracomment>
        <translation>Fichiers OGG</translation>
    </message>
    <message>
        <source>Choose output folder</source>
        <extracomment>What a screen reader calls the &quot;...&quot; button beside the output folder field.</extracomment>
        <translation>Choisir le dossier de sortie</translation>
    </message>
    <message>
        <source>Files to convert</source>
        <extracomment>What a screen reader calls the file list.</extracomment>
        <translation>Fichiers à convertir</translation>
    </message>
    <message>
        <source>Output folder</source>
        <extracomment>What a screen reader calls the field of the folder the WAV files are saved in.</extracomment>
        <translation>Dossier de sortie</translation>
    </message>
    <message>
        <source>Output WAV format</source>
        <extracomment>What a screen reader calls the drop-down of WAV formats.</extracomment>
        <translation>Format WAV de sortie</translation>
    </message>
    <message>
        <source>Please select folder:</source>
        <extracomment>Title of the folder dialogs of &quot;Add All OGG File(s) In Folder&quot; and of the &quot;...&quot; button beside the output folder field.</extracomment>
        <translation>Veuillez choisir un dossier :</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <extracomment>The failure shown when the hand pointer file beside the program is no picture.</extracomment>
        <translation>Image non valide</translation>
    </message>
    <message>
        <source>Enter file extension to load:</source>
        <extracomment>First line of the prompt of &quot;Add All OGG File(s) In Folder&quot;; the field below it takes file endings without their dot.</extracomment>
        <translation>Saisissez l&apos;extension des fichiers à charger :</translation>
    </message>
    <message>
        <source>(* for all files, txt for all txt files, doc for all doc files, etc.)</source>
        <extracomment>Second line of the same prompt. The endings and the &quot;*&quot; are typed as they stand; only the words around them are translated.</extracomment>
        <translation>(* pour tous les fichiers, txt pour tous les fichiers txt, doc pour tous les fichiers doc, etc.)</translation>
    </message>
    <message>
        <source>(several at once: ogg oga opus)</source>
        <extracomment>Third line of the same prompt: several endings go in at once, parted by blanks. The endings are typed as they stand.</extracomment>
        <translation>(plusieurs à la fois : ogg oga opus)</translation>
    </message>
    <message>
        <source>You&apos;ve selected too many files to add.</source>
        <translation>Vous avez sélectionné trop de fichiers à ajouter.</translation>
    </message>
    <message>
        <source>Please try adding via the &quot;Add All&quot; button.</source>
        <extracomment>&quot;Add All&quot; names the button &quot;Add All OGG File(s) In Folder&quot;.</extracomment>
        <translation>Essayez plutôt avec le bouton « Ajouter depuis un dossier ».</translation>
    </message>
    <message>
        <source>Would you like this software to open the folder where these sample files are stored (so that you can view them before working with them)?</source>
        <translation>Voulez-vous ouvrir le dossier qui contient ces fichiers d&apos;exemple (pour les consulter avant de les utiliser) ?</translation>
    </message>
    <message>
        <source>Add File(s) - Hold Ctrl to select multiple files</source>
        <extracomment>Title of the file dialog of &quot;Add OGG File(s)&quot;.</extracomment>
        <translation>Ajouter des fichiers - Maintenez Ctrl pour en sélectionner plusieurs</translation>
    </message>
    <message>
        <source>Ogg audio</source>
        <extracomment>The name of the file dialog&apos;s filter that shows Ogg Vorbis and Opus files.</extracomment>
        <translation>Audio Ogg</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tous les fichiers</translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>is not a file</source>
        <translation>n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>was not found</source>
        <translation>est introuvable</translation>
    </message>
    <message>
        <source>could not be read (%1)</source>
        <translation>n&apos;a pas pu être lu (%1)</translation>
    </message>
    <message>
        <source>could not be read as audio</source>
        <translation>n&apos;a pas pu être lu comme fichier audio</translation>
    </message>
    <message>
        <source>its result would have replaced a queued source</source>
        <translation>son résultat aurait remplacé une source de la liste</translation>
    </message>
    <message>
        <source>its result would have replaced the result of %1 (same name)</source>
        <translation>son résultat aurait remplacé celui de %1 (même nom)</translation>
    </message>
    <message>
        <source>the result was incomplete</source>
        <translation>le résultat était incomplet</translation>
    </message>
    <message>
        <source>could not be read to its end (%1)</source>
        <translation>n&apos;a pas pu être lu jusqu&apos;au bout (%1)</translation>
    </message>
    <message>
        <source>the result&apos;s length did not match the source</source>
        <translation>la durée du résultat ne correspondait pas à celle de la source</translation>
    </message>
    <message>
        <source>the source is damaged (%1)</source>
        <translation>la source est endommagée (%1)</translation>
    </message>
    <message>
        <source>the source&apos;s length could not be read, so its result could not be checked</source>
        <translation>la durée de la source n&apos;a pas pu être lue, son résultat n&apos;a donc pas pu être vérifié</translation>
    </message>
    <message>
        <source>the result did not hold the chosen sample format</source>
        <translation>le résultat n&apos;avait pas le format d&apos;échantillon choisi</translation>
    </message>
    <message>
        <source>could not be written (%1)</source>
        <translation>n&apos;a pas pu être écrit (%1)</translation>
    </message>
    <message>
        <source>the converter wrote no result</source>
        <translation>le convertisseur n&apos;a écrit aucun résultat</translation>
    </message>
    <message>
        <source>the converter stopped before it finished</source>
        <translation>le convertisseur s&apos;est arrêté avant la fin</translation>
    </message>
    <message>
        <source>the converter could not be started</source>
        <translation>le convertisseur n&apos;a pas pu être lancé</translation>
    </message>
    <message>
        <source>no result path could be made for it</source>
        <translation>aucun chemin de résultat n&apos;a pu être créé pour lui</translation>
    </message>
    <message>
        <source>an older file of its result&apos;s name could not be moved to the trash (%1)</source>
        <translation>un ancien fichier portant le nom de son résultat n&apos;a pas pu être déplacé vers la corbeille (%1)</translation>
    </message>
    <message>
        <source>the converter refused to replace a file of its result&apos;s name</source>
        <translation>le convertisseur a refusé de remplacer un fichier portant le nom de son résultat</translation>
    </message>
    <message>
        <source>the source ends early (incomplete file); its result holds what it had</source>
        <translation>la source se termine prématurément (fichier incomplet) ; son résultat contient ce qu&apos;elle contenait</translation>
    </message>
    <message>
        <source>the converter reported: %1</source>
        <translation>le convertisseur a signalé : %1</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>moved to the trash to make way for the results (&quot;Restore&quot; in the file manager puts them back)</source>
        <translation>déplacés vers la corbeille pour faire place aux résultats (« Restaurer » dans le gestionnaire de fichiers les remet en place)</translation>
    </message>
    <message>
        <source>%1, now %2</source>
        <extracomment>A file moved to the trash: its old name, then its name in the trash.</extracomment>
        <translation>%1, désormais %2</translation>
    </message>
    <message>
        <source>Done.</source>
        <extracomment>The run&apos;s last word, on the progress bar and atop the closing message.</extracomment>
        <translation>Terminé.</translation>
    </message>
    <message>
        <source>1 file could not be converted.</source>
        <translation>1 fichier n&apos;a pas pu être converti.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>Under a heading, after the first ten files it lists.</extracomment>
        <translation>
            <numerusform>et %n autre</numerusform>
            <numerusform>et %n autres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files could not be converted.</source>
        <translation>
            <numerusform>%n fichier n&apos;a pas pu être converti.</numerusform>
            <numerusform>%n fichiers n&apos;ont pas pu être convertis.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SourceLook</name>
    <message>
        <source>its headers are damaged</source>
        <translation>ses en-têtes sont endommagés</translation>
    </message>
    <message>
        <source>its audio breaks off at %1 of %2</source>
        <extracomment>In &quot;The source is damaged (...)&quot;: where its sound stops, of how long it is.</extracomment>
        <translation>le son s&apos;interrompt à %1 sur %2</translation>
    </message>
    <message>
        <source>its audio breaks off at %1</source>
        <translation>le son s&apos;interrompt à %1</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>missing value after &apos;%1&apos;</source>
        <extracomment>%1 is one of Qt&apos;s own options, such as -style, given last.</extracomment>
        <translation>valeur manquante après &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue &apos;%1&apos;</translation>
    </message>
    <message>
        <source>an empty name is no file or folder</source>
        <translation>un nom vide n&apos;est ni un fichier ni un dossier</translation>
    </message>
    <message>
        <source>%1 is for --convert only</source>
        <extracomment>%1 is an option of the batch mode, such as --format.</extracomment>
        <translation>%1 ne s&apos;utilise qu&apos;avec --convert</translation>
    </message>
    <message>
        <source>%1 is for the window only</source>
        <extracomment>%1 is one of Qt&apos;s own options, such as -style.</extracomment>
        <translation>%1 ne s&apos;applique qu&apos;à la fenêtre</translation>
    </message>
    <message>
        <source>no output format &apos;%1&apos;; choose one of %2</source>
        <extracomment>%1 is the value given; %2 lists the formats: 0 &quot;8-bit PCM&quot;, 1 &quot;16-bit PCM&quot; ...</extracomment>
        <translation>aucun format de sortie &apos;%1&apos; ; choisissez parmi %2</translation>
    </message>
    <message>
        <source>--output-folder and --beside-source exclude each other</source>
        <translation>--output-folder et --beside-source s&apos;excluent mutuellement</translation>
    </message>
    <message>
        <source>the output folder &apos;%1&apos; does not exist</source>
        <translation>le dossier de sortie &apos;%1&apos; n&apos;existe pas</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no file extension</source>
        <translation>&apos;%1&apos; n&apos;est pas une extension de fichier</translation>
    </message>
    <message>
        <source>--jobs needs a whole number from 1 to %1, not &apos;%2&apos;</source>
        <extracomment>%1 is the most conversions at once; %2 is the value given.</extracomment>
        <translation>--jobs demande un nombre entier de 1 à %1, et non &apos;%2&apos;</translation>
    </message>
    <message>
        <source>the report &apos;%1&apos; cannot be written: no such folder, or a folder</source>
        <translation>le rapport &apos;%1&apos; ne peut pas être écrit : dossier inexistant, ou c&apos;est un dossier</translation>
    </message>
    <message>
        <source>no files or folders to convert</source>
        <translation>aucun fichier ni dossier à convertir</translation>
    </message>
</context>
<context>
    <name>WindowMain</name>
    <message>
        <source>start Lorvane as %1</source>
        <extracomment>A terminal line of lorvane-window started by itself with the batch mode&apos;s options; %1 is the command to start instead.</extracomment>
        <translation>lancez Lorvane avec la commande %1</translation>
    </message>
    <message>
        <source>the open Lorvane window did not take the files</source>
        <extracomment>A terminal line: a second start handed its files to the window already open, and that window did not answer.</extracomment>
        <translation>la fenêtre Lorvane ouverte n&apos;a pas accepté les fichiers</translation>
    </message>
</context>
<context>
    <name>WindowStart</name>
    <message>
        <source>Qt&apos;s platform &apos;%1&apos; could not be started</source>
        <extracomment>Why the window cannot open: %1 is what -platform or QT_QPA_PLATFORM asked for.</extracomment>
        <translation>la plateforme Qt &apos;%1&apos; n&apos;a pas pu être lancée</translation>
    </message>
    <message>
        <source>no display found</source>
        <extracomment>Why the window cannot open: neither DISPLAY nor WAYLAND_DISPLAY names one.</extracomment>
        <translation>aucun affichage trouvé</translation>
    </message>
    <message>
        <source>the display %1 could not be opened</source>
        <extracomment>Why the window cannot open: %1 is the display&apos;s name, as &quot;:0&quot; or &quot;wayland-0&quot;.</extracomment>
        <translation>l&apos;affichage %1 n&apos;a pas pu être ouvert</translation>
    </message>
    <message>
        <source>the displays %1 and %2 could not be opened</source>
        <extracomment>Why the window cannot open: %1 is the X11 display&apos;s name, %2 the Wayland one&apos;s.</extracomment>
        <translation>les affichages %1 et %2 n&apos;ont pas pu être ouverts</translation>
    </message>
    <message>
        <source>needs a graphical session (%1); use `%2` to convert without a window</source>
        <extracomment>A terminal line. %1 is why the window cannot open; %2 the command that converts without a window, which stays as it is.</extracomment>
        <translation>nécessite une session graphique (%1) ; utilisez `%2` pour convertir sans fenêtre</translation>
    </message>
</context>
</TS>
