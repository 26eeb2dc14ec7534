<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="fr">
<context>
    <name>FenetreAjustement</name>
    <message>
        <source>t min</source>
        <translation>t min</translation>
    </message>
    <message>
        <source>Début de la fenêtre d&apos;ajustement, dans l&apos;unité des durées</source>
        <translation>Anfang des Anpassungsfensters, in der Einheit der Dauern</translation>
    </message>
    <message>
        <source>t max</source>
        <translation>t max</translation>
    </message>
    <message>
        <source>Fin de la fenêtre d&apos;ajustement, dans l&apos;unité des durées</source>
        <translation>Ende des Anpassungsfensters, in der Einheit der Dauern</translation>
    </message>
    <message>
        <source>modèle</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Le modèle ajusté aux durées</source>
        <translation>Das an die Dauern angepasste Modell</translation>
    </message>
    <message>
        <source>méthode</source>
        <translation>Methode</translation>
    </message>
    <message>
        <source>Ajustement des durées une à une (non binné) ou de l&apos;histogramme de leurs classes</source>
        <translation>Anpassung der Dauern einzeln (ungebinnt) oder des Histogramms ihrer Klassen</translation>
    </message>
    <message>
        <source>1 unité en ns</source>
        <translation>1 Einheit in ns</translation>
    </message>
    <message>
        <source>Durée d&apos;une unité du fichier en nanosecondes ; vide : à fixer</source>
        <translation>Länge einer Einheit der Datei in Nanosekunden; leer: festzulegen</translation>
    </message>
    <message>
        <source>matière des μ−</source>
        <translation>Material der μ−</translation>
    </message>
    <message>
        <source>ρ = N+/N−</source>
        <translation>ρ = N+/N−</translation>
    </message>
    <message>
        <source>Rapport des μ+ aux μ− du modèle de rapport de charge</source>
        <translation>Verhältnis der μ+ zu den μ− des Ladungsverhältnis-Modells</translation>
    </message>
    <message>
        <source>précision visée</source>
        <translation>angestrebte Genauigkeit</translation>
    </message>
    <message>
        <source>La précision de τ visée : la prévision dit quand le run l&apos;atteint</source>
        <translation>Die angestrebte Genauigkeit von τ: die Prognose sagt, wann die Messreihe sie erreicht</translation>
    </message>
    <message>
        <source>graphes et tableaux</source>
        <translation>Grafiken und Tabellen</translation>
    </message>
    <message>
        <source>Les flèches gauche et droite changent d&apos;onglet</source>
        <translation>Die Pfeiltasten links und rechts wechseln den Reiter</translation>
    </message>
    <message>
        <source>L&apos;histogramme des durées et la courbe ajustée</source>
        <translation>Das Histogramm der Dauern und die angepasste Kurve</translation>
    </message>
    <message>
        <source>Tau ajusté à chaque chargement, au fil du run</source>
        <translation>Bei jedem Laden angepasstes Tau, im Verlauf der Messreihe</translation>
    </message>
    <message>
        <source>Tau selon t min : la stabilité de l&apos;ajustement</source>
        <translation>Tau abhängig von t min: die Stabilität der Anpassung</translation>
    </message>
    <message>
        <source>Le taux d&apos;événements au fil du temps, ses trous, l&apos;alarme d&apos;un arrêt</source>
        <translation>Die Ereignisrate im Verlauf der Zeit, ihre Lücken, der Alarm bei einem Stillstand</translation>
    </message>
    <message>
        <source>D&apos;autres runs ajustés avec le run suivi, et les intervalles exclus</source>
        <translation>Weitere Messreihen, mit der verfolgten angepasst, und die ausgeschlossenen Intervalle</translation>
    </message>
    <message>
        <source>Effectifs de l&apos;histogramme sur une échelle logarithmique</source>
        <translation>Häufigkeiten des Histogramms auf logarithmischer Skala</translation>
    </message>
    <message>
        <source>histogramme et courbe ajustée</source>
        <translation>Histogramm und angepasste Kurve</translation>
    </message>
    <message>
        <source>convergence de l&apos;ajustement au fil du run</source>
        <translation>Konvergenz der Anpassung im Verlauf der Messreihe</translation>
    </message>
    <message>
        <source>stabilité de τ selon t min</source>
        <translation>Stabilität von τ abhängig von t min</translation>
    </message>
    <message>
        <source>Enregistrer le graphe de l&apos;onglet affiché en image PNG</source>
        <translation>Die Grafik des angezeigten Reiters als PNG-Bild speichern</translation>
    </message>
    <message>
        <source>Enregistrer le graphe de l&apos;onglet affiché en image SVG</source>
        <translation>Die Grafik des angezeigten Reiters als SVG-Bild speichern</translation>
    </message>
    <message>
        <source>Enregistrer l&apos;histogramme et les valeurs ajustées en tableau CSV</source>
        <translation>Das Histogramm und die angepassten Werte als CSV-Tabelle speichern</translation>
    </message>
    <message>
        <source>Enregistrer la convergence de l&apos;ajustement en tableau CSV</source>
        <translation>Die Konvergenz der Anpassung als CSV-Tabelle speichern</translation>
    </message>
    <message>
        <source>Enregistrer le rapport du run en PDF</source>
        <translation>Den Bericht der Messreihe als PDF speichern</translation>
    </message>
    <message>
        <source>Imprimer le rapport du run</source>
        <translation>Den Bericht der Messreihe drucken</translation>
    </message>
    <message>
        <source>largeur des tranches en minutes</source>
        <translation>Breite der Zeitintervalle in Minuten</translation>
    </message>
    <message>
        <source>Largeur des tranches de temps du taux, en minutes ; vide : choisie d&apos;après le taux</source>
        <translation>Breite der Zeitintervalle der Rate, in Minuten; leer: nach der Rate gewählt</translation>
    </message>
    <message>
        <source>trous du run</source>
        <translation>Lücken der Messreihe</translation>
    </message>
    <message>
        <source>Les intervalles sans événement plus longs que le taux ne le laisse attendre</source>
        <translation>Die Intervalle ohne Ereignis, die länger sind, als die Rate erwarten lässt</translation>
    </message>
    <message>
        <source>exclure le trou</source>
        <translation>Lücke ausschließen</translation>
    </message>
    <message>
        <source>Exclure du run l&apos;intervalle du trou choisi</source>
        <translation>Das Intervall der gewählten Lücke aus der Messreihe ausschließen</translation>
    </message>
    <message>
        <source>taux du run au fil du temps</source>
        <translation>Rate der Messreihe im Verlauf der Zeit</translation>
    </message>
    <message>
        <source>taux du run :</source>
        <translation>Rate der Messreihe:</translation>
    </message>
    <message>
        <source>Choisir d&apos;autres runs à ajuster avec le run suivi</source>
        <translation>Weitere Messreihen wählen, die mit der verfolgten angepasst werden</translation>
    </message>
    <message>
        <source>Retirer de l&apos;ajustement le run ajouté choisi dans le tableau</source>
        <translation>Die in der Tabelle gewählte hinzugefügte Messreihe aus der Anpassung nehmen</translation>
    </message>
    <message>
        <source>runs ajustés ensemble</source>
        <translation>gemeinsam angepasste Messreihen</translation>
    </message>
    <message>
        <source>Le run suivi, puis les runs ajoutés, un par ligne</source>
        <translation>Die verfolgte Messreihe, dann die hinzugefügten, eine pro Zeile</translation>
    </message>
    <message>
        <source>début de l&apos;exclusion</source>
        <translation>Anfang des Ausschlusses</translation>
    </message>
    <message>
        <source>Heure du début de l&apos;intervalle à exclure du run choisi</source>
        <translation>Uhrzeit des Anfangs des aus der gewählten Messreihe auszuschließenden Intervalls</translation>
    </message>
    <message>
        <source>fin de l&apos;exclusion</source>
        <translation>Ende des Ausschlusses</translation>
    </message>
    <message>
        <source>Heure de la fin de l&apos;intervalle à exclure du run choisi</source>
        <translation>Uhrzeit des Endes des aus der gewählten Messreihe auszuschließenden Intervalls</translation>
    </message>
    <message>
        <source>exclure l&apos;intervalle</source>
        <translation>Intervall ausschließen</translation>
    </message>
    <message>
        <source>Exclure l&apos;intervalle tapé du run choisi</source>
        <translation>Das eingegebene Intervall aus der gewählten Messreihe ausschließen</translation>
    </message>
    <message>
        <source>exclusions du run choisi</source>
        <translation>Ausschlüsse der gewählten Messreihe</translation>
    </message>
    <message>
        <source>Les intervalles exclus du run choisi dans le tableau, un par ligne</source>
        <translation>Die aus der in der Tabelle gewählten Messreihe ausgeschlossenen Intervalle, eines pro Zeile</translation>
    </message>
    <message>
        <source>ajustement des runs ensemble :</source>
        <translation>gemeinsame Anpassung der Messreihen:</translation>
    </message>
    <message>
        <source>cohérence des runs :</source>
        <translation>Verträglichkeit der Messreihen:</translation>
    </message>
    <message>
        <source>Remettre dans le run l&apos;intervalle choisi dans la liste</source>
        <translation>Das in der Liste gewählte Intervall wieder in die Messreihe nehmen</translation>
    </message>
    <message>
        <source>image SVG</source>
        <translation>SVG-Bild</translation>
    </message>
    <message>
        <source>image PNG</source>
        <translation>PNG-Bild</translation>
    </message>
    <message>
        <source>tableau CSV</source>
        <translation>CSV-Tabelle</translation>
    </message>
    <message>
        <source>rapport PDF</source>
        <translation>PDF-Bericht</translation>
    </message>
    <message>
        <source>Imprimer le rapport</source>
        <translation>Bericht drucken</translation>
    </message>
    <message>
        <source>rapport PDF…</source>
        <translation>PDF-Bericht…</translation>
    </message>
    <message>
        <source>imprimer…</source>
        <translation>drucken…</translation>
    </message>
    <message>
        <source>vorns - analyse du run</source>
        <translation>vorns - Analyse der Messreihe</translation>
    </message>
    <message>
        <source>1 unité =</source>
        <translation>1 Einheit =</translation>
    </message>
    <message>
        <source>à fixer</source>
        <translation>festzulegen</translation>
    </message>
    <message>
        <source>échelle logarithmique des effectifs</source>
        <translation>logarithmische Skala der Häufigkeiten</translation>
    </message>
    <message>
        <source>histogramme</source>
        <translation>Histogramm</translation>
    </message>
    <message>
        <source>convergence</source>
        <translation>Konvergenz</translation>
    </message>
    <message>
        <source>stabilité</source>
        <translation>Stabilität</translation>
    </message>
    <message>
        <source>taux</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>histogramme CSV</source>
        <translation>Histogramm CSV</translation>
    </message>
    <message>
        <source>convergence CSV</source>
        <translation>Konvergenz CSV</translation>
    </message>
    <message>
        <source>carbone, oxygène, ou la durée de vie des μ− en ns</source>
        <translation>Kohlenstoff, Sauerstoff oder die Lebensdauer der μ− in ns</translation>
    </message>
    <message>
        <source>runs</source>
        <translation>Messreihen</translation>
    </message>
    <message>
        <source>Rapport</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>En tête du rapport ; vorns s&apos;en souviendra pour le suivant.</source>
        <translation>Im Kopf des Berichts; vorns merkt es sich für den nächsten.</translation>
    </message>
    <message>
        <source>Nom(s) :</source>
        <translation>Name(n):</translation>
    </message>
    <message>
        <source>Groupe :</source>
        <translation>Gruppe:</translation>
    </message>
    <message>
        <source>Cours :</source>
        <translation>Kurs:</translation>
    </message>
    <message>
        <source>Montage :</source>
        <translation>Aufbau:</translation>
    </message>
    <message>
        <source>Note :</source>
        <translation>Notiz:</translation>
    </message>
    <message>
        <source>Le run en lecture seule pour un autre appareil : son adresse et son code QR</source>
        <translation>Der Run schreibgeschützt für ein anderes Gerät: seine Adresse und sein QR-Code</translation>
    </message>
    <message>
        <source>partage</source>
        <translation>Teilen</translation>
    </message>
</context>
<context>
    <name>OngletPartage</name>
    <message>
        <source>La page montre le run en lecture seule : son nom, les chiffres, τ ± σ, le taux, l&apos;alarme et les graphes, tels que cette fenêtre les montre après chaque rechargement ; jamais les données brutes. Elle est ouverte par qui a l&apos;adresse entière, avec son jeton : sur cet ordinateur seul, ou sur le réseau du laboratoire si vous le choisissez.</source>
        <translation>Die Seite zeigt den Run schreibgeschützt: seinen Namen, die Zahlen, τ ± σ, die Rate, den Alarm und die Diagramme, wie dieses Fenster sie nach jedem Neuladen zeigt; nie die Rohdaten. Sie öffnet, wer die ganze Adresse mit ihrem Token hat: nur auf diesem Computer oder im Netz des Labors, wenn Sie es wählen.</translation>
    </message>
    <message>
        <source>partager le run</source>
        <translation>Run teilen</translation>
    </message>
    <message>
        <source>Sert la page du run à l&apos;adresse montrée ci-dessous</source>
        <translation>Stellt die Seite des Runs unter der unten gezeigten Adresse bereit</translation>
    </message>
    <message>
        <source>sur le réseau</source>
        <translation>im Netzwerk</translation>
    </message>
    <message>
        <source>Offre la page aux autres appareils du réseau, pas seulement à cet ordinateur</source>
        <translation>Bietet die Seite den anderen Geräten im Netzwerk an, nicht nur diesem Computer</translation>
    </message>
    <message>
        <source>garder l&apos;adresse</source>
        <translation>Adresse behalten</translation>
    </message>
    <message>
        <source>Garde le jeton et le port d&apos;un partage au suivant, dans le dossier des réglages</source>
        <translation>Behält Token und Port von einer Freigabe zur nächsten, im Ordner der Einstellungen</translation>
    </message>
    <message>
        <source>port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Le port de la page ; 0 : un port libre</source>
        <translation>Der Port der Seite; 0: ein freier Port</translation>
    </message>
    <message>
        <source>adresse de la page</source>
        <translation>Adresse der Seite</translation>
    </message>
    <message>
        <source>code QR de l&apos;adresse de la page</source>
        <translation>QR-Code der Adresse der Seite</translation>
    </message>
    <message>
        <source>Le run n&apos;est pas partagé.</source>
        <translation>Der Run ist nicht geteilt.</translation>
    </message>
    <message>
        <source>Le run ne peut pas être partagé sur le port %1 : %2</source>
        <translation>Der Run kann nicht auf Port %1 geteilt werden: %2</translation>
    </message>
    <message>
        <source>Le run est partagé sur le réseau : qui a cette adresse voit la page.</source>
        <translation>Der Run ist im Netzwerk geteilt: Wer diese Adresse hat, sieht die Seite.</translation>
    </message>
    <message>
        <source>Le run est partagé sur cet ordinateur seul.</source>
        <translation>Der Run ist nur auf diesem Computer geteilt.</translation>
    </message>
    <message>
        <source>L&apos;adresse ne peut pas être gardée dans %1 : %2</source>
        <translation>Die Adresse kann nicht in %1 behalten werden: %2</translation>
    </message>
</context>
<context>
    <name>OngletRuns</name>
    <message>
        <source>ajouter des runs…</source>
        <translation>Messreihen hinzufügen…</translation>
    </message>
    <message>
        <source>retirer le run</source>
        <translation>Messreihe entfernen</translation>
    </message>
    <message>
        <source>de</source>
        <comment>from a time to another</comment>
        <translation>von</translation>
    </message>
    <message>
        <source>à</source>
        <comment>from a time to another</comment>
        <translation>bis</translation>
    </message>
    <message>
        <source>hh:mm:ss ou +1/hh:mm:ss</source>
        <translation>hh:mm:ss oder +1/hh:mm:ss</translation>
    </message>
    <message>
        <source>exclure</source>
        <translation>ausschließen</translation>
    </message>
    <message>
        <source>retirer l&apos;exclusion</source>
        <translation>Ausschluss aufheben</translation>
    </message>
    <message>
        <source>exclu, remarques</source>
        <translation>ausgeschlossen, Bemerkungen</translation>
    </message>
    <message>
        <source>exclusions de %1</source>
        <translation>Ausschlüsse von %1</translation>
    </message>
    <message>
        <source>ajouter des runs</source>
        <translation>Messreihen hinzufügen</translation>
    </message>
    <message>
        <source>choisir dans le tableau un run ajouté (le run suivi reste)</source>
        <translation>eine hinzugefügte Messreihe in der Tabelle wählen (die verfolgte bleibt)</translation>
    </message>
    <message>
        <source>exclusion : %1</source>
        <translation>Ausschluss: %1</translation>
    </message>
</context>
<context>
    <name>OngletTaux</name>
    <message>
        <source>largeur des tranches (min, vide : automatique)</source>
        <translation>Breite der Zeitintervalle (min, leer: automatisch)</translation>
    </message>
    <message>
        <source>exclure</source>
        <translation>ausschließen</translation>
    </message>
    <message>
        <source>%1 ; tranches choisies d&apos;après le taux</source>
        <translation>%1; Zeitintervalle nach der Rate gewählt</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Choisir le fichier de données à suivre (%1)</source>
        <translation>Die zu verfolgende Datendatei wählen (%1)</translation>
    </message>
    <message>
        <source>Jouer le son ding1.wav à chaque rafraîchissement</source>
        <translation>Bei jeder Aktualisierung den Klang ding1.wav abspielen</translation>
    </message>
    <message>
        <source>échelle x</source>
        <translation>x-Skala</translation>
    </message>
    <message>
        <source>Durée d&apos;acquisition en minutes au bout de l&apos;axe horizontal du graphe des enregistrements</source>
        <translation>Messzeit in Minuten am Ende der waagrechten Achse der Datensatzgrafik</translation>
    </message>
    <message>
        <source>augmenter l&apos;échelle x</source>
        <translation>x-Skala vergrößern</translation>
    </message>
    <message>
        <source>Échelle x à la valeur suivante de la suite 1, 2, 3 … 10, 20 …</source>
        <translation>x-Skala auf den nächsten Wert der Folge 1, 2, 3 … 10, 20 …</translation>
    </message>
    <message>
        <source>diminuer l&apos;échelle x</source>
        <translation>x-Skala verkleinern</translation>
    </message>
    <message>
        <source>Échelle x à la valeur précédente de la suite 1, 2, 3 … 10, 20 …</source>
        <translation>x-Skala auf den vorigen Wert der Folge 1, 2, 3 … 10, 20 …</translation>
    </message>
    <message>
        <source>autoscale x</source>
        <translation>automatische x-Skala</translation>
    </message>
    <message>
        <source>Échelle x prise de la durée d&apos;acquisition à chaque chargement</source>
        <translation>x-Skala bei jedem Laden aus der Messzeit genommen</translation>
    </message>
    <message>
        <source>échelle y</source>
        <translation>y-Skala</translation>
    </message>
    <message>
        <source>Durée au bout de l&apos;axe vertical du graphe des enregistrements</source>
        <translation>Dauer am Ende der senkrechten Achse der Datensatzgrafik</translation>
    </message>
    <message>
        <source>augmenter l&apos;échelle y</source>
        <translation>y-Skala vergrößern</translation>
    </message>
    <message>
        <source>Échelle y à la valeur suivante de la suite 1, 2, 3 … 10, 20 …</source>
        <translation>y-Skala auf den nächsten Wert der Folge 1, 2, 3 … 10, 20 …</translation>
    </message>
    <message>
        <source>diminuer l&apos;échelle y</source>
        <translation>y-Skala verkleinern</translation>
    </message>
    <message>
        <source>Échelle y à la valeur précédente de la suite 1, 2, 3 … 10, 20 …</source>
        <translation>y-Skala auf den vorigen Wert der Folge 1, 2, 3 … 10, 20 …</translation>
    </message>
    <message>
        <source>autoscale y</source>
        <translation>automatische y-Skala</translation>
    </message>
    <message>
        <source>Échelle y prise de la plus longue durée à chaque chargement</source>
        <translation>y-Skala bei jedem Laden aus der längsten Dauer genommen</translation>
    </message>
    <message>
        <source>X max</source>
        <translation>X max</translation>
    </message>
    <message>
        <source>Durée au bout de l&apos;axe horizontal de l&apos;histogramme ; les classes vont jusque-là</source>
        <translation>Dauer am Ende der waagrechten Achse des Histogramms; die Klassen reichen bis dorthin</translation>
    </message>
    <message>
        <source>augmenter X max</source>
        <translation>X max vergrößern</translation>
    </message>
    <message>
        <source>X max à la valeur suivante de la suite 1, 2, 3 … 10, 20 …</source>
        <translation>X max auf den nächsten Wert der Folge 1, 2, 3 … 10, 20 …</translation>
    </message>
    <message>
        <source>diminuer X max</source>
        <translation>X max verkleinern</translation>
    </message>
    <message>
        <source>X max à la valeur précédente de la suite 1, 2, 3 … 10, 20 …</source>
        <translation>X max auf den vorigen Wert der Folge 1, 2, 3 … 10, 20 …</translation>
    </message>
    <message>
        <source>N max</source>
        <translation>N max</translation>
    </message>
    <message>
        <source>Effectif au haut de l&apos;axe vertical de l&apos;histogramme</source>
        <translation>Häufigkeit oben an der senkrechten Achse des Histogramms</translation>
    </message>
    <message>
        <source>augmenter N max</source>
        <translation>N max vergrößern</translation>
    </message>
    <message>
        <source>N max à la valeur suivante de la suite 1, 2, 3 … 10, 20 …</source>
        <translation>N max auf den nächsten Wert der Folge 1, 2, 3 … 10, 20 …</translation>
    </message>
    <message>
        <source>diminuer N max</source>
        <translation>N max verkleinern</translation>
    </message>
    <message>
        <source>N max à la valeur précédente de la suite 1, 2, 3 … 10, 20 …</source>
        <translation>N max auf den vorigen Wert der Folge 1, 2, 3 … 10, 20 …</translation>
    </message>
    <message>
        <source>largeur de classe dX</source>
        <translation>Klassenbreite dX</translation>
    </message>
    <message>
        <source>Largeur des classes de l&apos;histogramme, dans l&apos;unité des durées</source>
        <translation>Breite der Klassen des Histogramms, in der Einheit der Dauern</translation>
    </message>
    <message>
        <source>augmenter dX</source>
        <translation>dX vergrößern</translation>
    </message>
    <message>
        <source>dX à la valeur suivante de la suite 1, 2, 3 … 10, 20 …</source>
        <translation>dX auf den nächsten Wert der Folge 1, 2, 3 … 10, 20 …</translation>
    </message>
    <message>
        <source>diminuer dX</source>
        <translation>dX verkleinern</translation>
    </message>
    <message>
        <source>dX à la valeur précédente de la suite 1, 2, 3 … 10, 20 …</source>
        <translation>dX auf den vorigen Wert der Folge 1, 2, 3 … 10, 20 …</translation>
    </message>
    <message>
        <source>autoscale N max</source>
        <translation>automatisches N max</translation>
    </message>
    <message>
        <source>N max pris de la classe la plus remplie à chaque chargement</source>
        <translation>N max bei jedem Laden aus der vollsten Klasse genommen</translation>
    </message>
    <message>
        <source>lignes du fichier de données</source>
        <translation>Zeilen der Datendatei</translation>
    </message>
    <message>
        <source>Les lignes du fichier de données, telles qu&apos;il les tient</source>
        <translation>Die Zeilen der Datendatei, wie sie darin stehen</translation>
    </message>
    <message>
        <source>Durée totale faite de la moyenne ou du centre de chaque classe</source>
        <translation>Gesamtdauer aus dem Mittelwert oder der Mitte jeder Klasse</translation>
    </message>
    <message>
        <source>commentaire</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Commentaire gardé à côté du fichier de données ; %1 insère une tabulation</source>
        <translation>Kommentar, neben der Datendatei aufbewahrt; %1 fügt einen Tabulator ein</translation>
    </message>
    <message>
        <source>enregistrer le commentaire</source>
        <translation>Kommentar speichern</translation>
    </message>
    <message>
        <source>Enregistrer le commentaire dans son fichier (%1)</source>
        <translation>Den Kommentar in seiner Datei speichern (%1)</translation>
    </message>
    <message>
        <source>liste des classes</source>
        <translation>Liste der Klassen</translation>
    </message>
    <message>
        <source>L&apos;effectif de chaque classe de l&apos;histogramme</source>
        <translation>Die Häufigkeit jeder Klasse des Histogramms</translation>
    </message>
    <message>
        <source>trace du calcul des classes</source>
        <translation>Protokoll der Klassenberechnung</translation>
    </message>
    <message>
        <source>Les étapes du calcul des classes</source>
        <translation>Die Schritte der Klassenberechnung</translation>
    </message>
    <message>
        <source>panneau de réglages</source>
        <translation>Einstellungsbereich</translation>
    </message>
    <message>
        <source>Ouvrir ou fermer le panneau de réglages</source>
        <translation>Den Einstellungsbereich öffnen oder schließen</translation>
    </message>
    <message>
        <source>à propos</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Ouvrir ou fermer le panneau « à propos » ; %1 ouvre le mode d&apos;emploi</source>
        <translation>Den Bereich „Über“ öffnen oder schließen; %1 öffnet die Anleitung</translation>
    </message>
    <message>
        <source>quitter</source>
        <translation>beenden</translation>
    </message>
    <message>
        <source>Quitter vorns (%1)</source>
        <translation>vorns beenden (%1)</translation>
    </message>
    <message>
        <source>analyse du run</source>
        <translation>Analyse der Messreihe</translation>
    </message>
    <message>
        <source>Ouvrir la fenêtre d&apos;analyse du run : ajustement de la durée de vie, taux, runs ; %1 la ferme</source>
        <translation>Das Analysefenster der Messreihe öffnen: Anpassung der Lebensdauer, Rate, Messreihen; %1 schließt es</translation>
    </message>
    <message>
        <source>graphe des enregistrements</source>
        <translation>Grafik der Datensätze</translation>
    </message>
    <message>
        <source>Chaque enregistrement : sa durée selon le temps écoulé</source>
        <translation>Jeder Datensatz: seine Dauer über der verstrichenen Zeit</translation>
    </message>
    <message>
        <source>histogramme des classes</source>
        <translation>Histogramm der Klassen</translation>
    </message>
    <message>
        <source>période de rafraîchissement en secondes</source>
        <translation>Aktualisierungsperiode in Sekunden</translation>
    </message>
    <message>
        <source>Temps entre deux relectures du fichier de données, en secondes</source>
        <translation>Zeit zwischen zwei Lesevorgängen der Datendatei, in Sekunden</translation>
    </message>
    <message>
        <source>Ne relire le fichier que quand sa taille ou sa date a changé</source>
        <translation>Die Datei nur neu lesen, wenn sich ihre Größe oder ihr Datum geändert hat</translation>
    </message>
    <message>
        <source>épaisseur des traits</source>
        <translation>Linienstärke</translation>
    </message>
    <message>
        <source>Épaisseur des traits des deux graphes, en pixels</source>
        <translation>Linienstärke der beiden Grafiken, in Pixeln</translation>
    </message>
    <message>
        <source>Choisir la couleur de la fenêtre, gardée pour le prochain démarrage</source>
        <translation>Die Fensterfarbe wählen, für den nächsten Start aufbewahrt</translation>
    </message>
    <message>
        <source>Fermer le panneau de réglages (%1)</source>
        <translation>Den Einstellungsbereich schließen (%1)</translation>
    </message>
    <message>
        <source>dossier du programme</source>
        <translation>Programmordner</translation>
    </message>
    <message>
        <source>Fermer le panneau « à propos » (%1)</source>
        <translation>Den Bereich „Über“ schließen (%1)</translation>
    </message>
    <message>
        <source>Le mode d&apos;emploi %1 est introuvable.</source>
        <translation>Die Anleitung %1 ist nicht zu finden.</translation>
    </message>
    <message>
        <source>Le mode d&apos;emploi %1 n&apos;a pu être ouvert : aucun programme du bureau ne l&apos;affiche.</source>
        <translation>Die Anleitung %1 konnte nicht geöffnet werden: kein Programm des Desktops zeigt sie an.</translation>
    </message>
    <message>
        <source>langue</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>La langue des textes de vorns, prise au prochain démarrage ; système : celle du bureau</source>
        <translation>Die Sprache der Texte von vorns, beim nächsten Start übernommen; System: die des Desktops</translation>
    </message>
    <message>
        <source>Line 1</source>
        <translation>Zeile 1</translation>
    </message>
    <message>
        <source>Line 2</source>
        <translation>Zeile 2</translation>
    </message>
    <message>
        <source>Line 3</source>
        <translation>Zeile 3</translation>
    </message>
    <message>
        <source>Line 4</source>
        <translation>Zeile 4</translation>
    </message>
    <message>
        <source>Target File</source>
        <translation>Zieldatei</translation>
    </message>
    <message>
        <source>number of records</source>
        <translation>Anzahl Datensätze</translation>
    </message>
    <message>
        <source>acqisition time [mn]</source>
        <translation>Messzeit [min]</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>scale</source>
        <translation>Skala</translation>
    </message>
    <message>
        <source>autoscale</source>
        <translation>automatisch</translation>
    </message>
    <message>
        <source>Largeur de classe</source>
        <translation>Klassenbreite</translation>
    </message>
    <message>
        <source>Nb of</source>
        <translation>Anz.</translation>
    </message>
    <message>
        <source>classes</source>
        <translation>Klassen</translation>
    </message>
    <message>
        <source> Xmax / dX =</source>
        <translation> Xmax / dX =</translation>
    </message>
    <message>
        <source>durée totale</source>
        <translation>Gesamtdauer</translation>
    </message>
    <message>
        <source>moyenne de chaque classe =</source>
        <translation>Mittel jeder Klasse =</translation>
    </message>
    <message>
        <source>centre de chaque classe     =</source>
        <translation>Mitte jeder Klasse     =</translation>
    </message>
    <message>
        <source>durée totale (moyenne classe) = </source>
        <translation>Gesamtdauer (Klassenmittel) = </translation>
    </message>
    <message>
        <source>durée totale (valeur centrale)  = </source>
        <translation>Gesamtdauer (Mittelwert)  = </translation>
    </message>
    <message>
        <source>évènements =</source>
        <translation>Ereignisse =</translation>
    </message>
    <message>
        <source>durée moyenne, Tau =</source>
        <translation>mittlere Dauer, Tau =</translation>
    </message>
    <message>
        <source>Lambda , 1 / Tau =</source>
        <translation>Lambda , 1 / Tau =</translation>
    </message>
    <message>
        <source>T 1/2 , Tau . ln(2) =</source>
        <translation>T 1/2 , Tau . ln(2) =</translation>
    </message>
    <message>
        <source>Cm, événemets à vie moyenne =</source>
        <translation>Cm, Ereignisse bei mittlerer Lebensdauer =</translation>
    </message>
    <message>
        <source>10x atomes initiaux, C0 = Cm / e =</source>
        <translation>10x Anfangsatome, C0 = Cm / e =</translation>
    </message>
    <message>
        <source>Activité initiale = C0 / durée d&apos;acquisition =</source>
        <translation>Anfangsaktivität = C0 / Messzeit =</translation>
    </message>
    <message>
        <source>Commentaires</source>
        <translation>Kommentare</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>about</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>exit</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Last line</source>
        <translation>Letzte Zeile</translation>
    </message>
    <message>
        <source>ajustement</source>
        <translation>Anpassung</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>refresh period [s]</source>
        <translation>Aktualisierung [s]</translation>
    </message>
    <message>
        <source>test file time / size</source>
        <translation>Dateizeit / -größe prüfen</translation>
    </message>
    <message>
        <source>thickness lines</source>
        <translation>Linienstärke</translation>
    </message>
    <message>
        <source>color window</source>
        <translation>Fensterfarbe</translation>
    </message>
    <message>
        <source>système</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Logiciel de lecture graphique </source>
        <translation>Grafische Auswertungssoftware </translation>
    </message>
    <message>
        <source>associée à un fichier texte</source>
        <translation>zu einer Textdatei</translation>
    </message>
    <message>
        <source>vorns : suivi d&apos;une acquisition de durées de vie</source>
        <translation>vorns: Verfolgung einer Lebensdauermessung</translation>
    </message>
    <message>
        <source>Mode d&apos;emploi : le fichier README.md du projet</source>
        <translation>Anleitung: die Datei README.md des Projekts</translation>
    </message>
    <message>
        <source>Dossier du programme</source>
        <translation>Programmordner</translation>
    </message>
    <message>
        <source> =&gt; Logiciels</source>
        <translation> =&gt; Software</translation>
    </message>
    <message>
        <source>Histogramme, Tau, T 1/2, C0 et activité initiale</source>
        <translation>Histogramm, Tau, T 1/2, C0 und Anfangsaktivität</translation>
    </message>
    <message>
        <source>Le commentaire a été modifié et n&apos;est pas enregistré dans le fichier %1. L&apos;enregistrer avant de quitter ?</source>
        <translation>Der Kommentar wurde geändert und ist nicht in der Datei %1 gespeichert. Vor dem Beenden speichern?</translation>
    </message>
    <message>
        <source>acquitter</source>
        <translation>quittieren</translation>
    </message>
    <message>
        <source>Arrêter le son de l&apos;alarme ; elle reste affichée</source>
        <translation>Den Alarmton abstellen; der Alarm bleibt angezeigt</translation>
    </message>
    <message>
        <source>Le fichier %1 a été modifié ailleurs (une autre fenêtre ?) depuis sa lecture : l&apos;enregistrer remplace ce qui y a été écrit.</source>
        <translation>Die Datei %1 wurde seit dem Lesen anderswo geändert (ein anderes Fenster?): Speichern ersetzt, was dort geschrieben wurde.</translation>
    </message>
    <message>
        <source>Le commentaire n&apos;est enregistré nulle part : aucun fichier de données n&apos;est choisi. Quitter sans l&apos;enregistrer ?</source>
        <translation>Der Kommentar ist nirgends gespeichert: keine Datendatei ist gewählt. Beenden, ohne ihn zu speichern?</translation>
    </message>
    <message>
        <source>Le commentaire a été modifié et n&apos;est pas enregistré dans le fichier %1. L&apos;enregistrer avant d&apos;ouvrir %2 et son commentaire ?</source>
        <translation>Der Kommentar wurde geändert und ist nicht in der Datei %1 gespeichert. Vor dem Öffnen von %2 und seinem Kommentar speichern?</translation>
    </message>
    <message>
        <source>Le commentaire n&apos;est enregistré nulle part : aucun fichier de données n&apos;est choisi. Ouvrir %1 et le remplacer par le commentaire de ce fichier ?</source>
        <translation>Der Kommentar ist nirgends gespeichert: keine Datendatei ist gewählt. %1 öffnen und ihn durch den Kommentar dieser Datei ersetzen?</translation>
    </message>
</context>
<context>
    <name>app</name>
    <message>
        <source>Aide : man vorns et %1</source>
        <translation>Hilfe: man vorns und %1</translation>
    </message>
    <message>
        <source>man vorns, man vorns-fit, man vorns-acquisition ; %1</source>
        <translation>man vorns, man vorns-fit, man vorns-acquisition; %1</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Only one data file can be given; got %1.</source>
        <translation>Nur eine Datendatei kann angegeben werden; erhalten: %1.</translation>
    </message>
    <message>
        <source>The data file name is empty.</source>
        <translation>Der Name der Datendatei ist leer.</translation>
    </message>
    <message>
        <source>Usage: vorns [FILE]
Follows the data file of a decay-time experiment while the acquisition
writes it, and shows its histogram and lifetime figures.

  FILE           the data file to load at start, as if chosen with &quot;Target File&quot;
  -h, --help     show this help and exit
  -v, --version  show the version and exit

Qt&apos;s own options (-style NAME, -platform NAME, -reverse, ...) are accepted too.
</source>
        <translation>Aufruf: vorns [DATEI]
Verfolgt die Datendatei eines Lebensdauer-Experiments, während die Messung
sie schreibt, und zeigt ihr Histogramm und ihre Lebensdauerwerte.

  DATEI          die beim Start zu ladende Datendatei, als wäre sie mit
                 &quot;Zieldatei&quot; gewählt
  -h, --help     diese Hilfe zeigen und beenden
  -v, --version  die Version zeigen und beenden

Qts eigene Optionen (-style NAME, -platform NAME, -reverse, ...) werden auch angenommen.
</translation>
    </message>
    <message>
        <source>Try &apos;vorns --help&apos; for more information.</source>
        <translation>&apos;vorns --help&apos; zeigt mehr Informationen.</translation>
    </message>
    <message>
        <source>Enregistrer %1</source>
        <translation>%1 speichern</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht geschrieben werden. %2</translation>
    </message>
    <message>
        <source>durée</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>événements</source>
        <translation>Ereignisse</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Quitter sans enregistrer</source>
        <translation>Beenden ohne Speichern</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cannot play the sound file &quot;%1&quot;.</source>
        <translation>Die Klangdatei „%1“ kann nicht abgespielt werden.</translation>
    </message>
    <message>
        <source>largeur des tranches : %1</source>
        <translation>Breite der Zeitintervalle: %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; n&apos;est pas au-dessus de 0</source>
        <translation>&apos;%1&apos; ist nicht größer als 0</translation>
    </message>
    <message>
        <source>vorns: no display found (DISPLAY and WAYLAND_DISPLAY are not set); start vorns from a desktop session or under xvfb-run.
</source>
        <translation>vorns: keine Anzeige gefunden (DISPLAY und WAYLAND_DISPLAY sind nicht gesetzt); vorns aus einer Desktop-Sitzung oder unter xvfb-run starten.
</translation>
    </message>
</context>
<context>
    <name>charts</name>
    <message>
        <source>unités</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>durée (%1)</source>
        <translation>Dauer (%1)</translation>
    </message>
    <message>
        <source>durée de vie (%1)</source>
        <translation>Lebensdauer (%1)</translation>
    </message>
    <message>
        <source>t min (%1)</source>
        <translation>t min (%1)</translation>
    </message>
    <message>
        <source>événements par classe de %1 %2</source>
        <translation>Ereignisse pro Klasse von %1 %2</translation>
    </message>
    <message>
        <source>résidu / σ</source>
        <translation>Residuum / σ</translation>
    </message>
    <message>
        <source>enregistrements</source>
        <translation>Datensätze</translation>
    </message>
    <message>
        <source>temps depuis le premier événement (h)</source>
        <translation>Zeit seit dem ersten Ereignis (h)</translation>
    </message>
    <message>
        <source>taux (événements / h)</source>
        <translation>Rate (Ereignisse / h)</translation>
    </message>
    <message>
        <source>muons par minute</source>
        <translation>Myonen pro Minute</translation>
    </message>
    <message>
        <source>histogramme (± √n)</source>
        <translation>Histogramm (± √n)</translation>
    </message>
    <message>
        <source>ajustement</source>
        <translation>Anpassung</translation>
    </message>
    <message>
        <source>fond</source>
        <translation>Untergrund</translation>
    </message>
    <message>
        <source>tau ajusté ± σ</source>
        <translation>angepasstes Tau ± σ</translation>
    </message>
    <message>
        <source>Tau de l&apos;histogramme</source>
        <translation>Tau des Histogramms</translation>
    </message>
    <message>
        <source>bande ±√(σ² − σ₀²)</source>
        <translation>Band ±√(σ² − σ₀²)</translation>
    </message>
    <message>
        <source>2 × bande</source>
        <translation>2 × Band</translation>
    </message>
    <message>
        <source>hors de 2 × bande</source>
        <translation>außerhalb 2 × Band</translation>
    </message>
    <message>
        <source>fond à 0 : non comparé</source>
        <translation>Untergrund bei 0: nicht verglichen</translation>
    </message>
    <message>
        <source>par tranche (± √n)</source>
        <translation>pro Intervall (± √n)</translation>
    </message>
    <message>
        <source>sur le temps actif</source>
        <translation>über die aktive Messzeit</translation>
    </message>
    <message>
        <source>taux moyen</source>
        <translation>mittlere Rate</translation>
    </message>
    <message>
        <source>muons par minute à travers le détecteur (± √n)</source>
        <translation>Myonen pro Minute durch den Detektor (± √n)</translation>
    </message>
</context>
<context>
    <name>class_pass</name>
    <message>
        <source>dX = %1 : la largeur de classe dX doit être supérieure à 0.</source>
        <translation>dX = %1: Die Klassenbreite dX muss größer als 0 sein.</translation>
    </message>
    <message>
        <source>X max = %1 : valeur hors limites, X max doit rester entre -%2 et %2.</source>
        <translation>X max = %1: Wert außerhalb des Bereichs, X max muss zwischen -%2 und %2 liegen.</translation>
    </message>
    <message>
        <source>X max / dX = %1 / %2 : plus de %3 classes. Le nombre de classes X max / dX est limité à %3 : diminuez X max ou augmentez dX.</source>
        <translation>X max / dX = %1 / %2: mehr als %3 Klassen. Die Anzahl der Klassen X max / dX ist auf %3 begrenzt: X max verkleinern oder dX vergrößern.</translation>
    </message>
</context>
<context>
    <name>combine_text</name>
    <message>
        <source>run</source>
        <comment>column</comment>
        <translation>Messreihe</translation>
    </message>
    <message>
        <source>événements</source>
        <comment>column</comment>
        <translation>Ereignisse</translation>
    </message>
    <message>
        <source>durée</source>
        <comment>column</comment>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>temps actif</source>
        <comment>column</comment>
        <translation>aktive Messzeit</translation>
    </message>
    <message>
        <source>taux (/h)</source>
        <comment>column</comment>
        <translation>Rate (/h)</translation>
    </message>
    <message>
        <source>τ seul</source>
        <comment>column</comment>
        <translation>τ allein</translation>
    </message>
    <message numerus="yes">
        <source>combinaison de %n runs : %1</source>
        <translation>
            <numerusform>Kombination von %n Messreihe: %1</numerusform>
            <numerusform>Kombination von %n Messreihen: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>combinaison de %n runs : %1 ; %2 événements dans la fenêtre ; %3</source>
        <translation>
            <numerusform>Kombination von %n Messreihe: %1; %2 Ereignisse im Fenster; %3</numerusform>
            <numerusform>Kombination von %n Messreihen: %1; %2 Ereignisse im Fenster; %3</numerusform>
        </translation>
    </message>
    <message>
        <source>runs compatibles</source>
        <translation>Messreihen verträglich</translation>
    </message>
    <message>
        <source>le run %1 tire le plus (écart %2 σ)</source>
        <translation>Messreihe %1 zieht am stärksten (Abweichung %2 σ)</translation>
    </message>
    <message numerus="yes">
        <source>combinaison de %n runs</source>
        <translation>
            <numerusform>Kombination von %n Messreihe</numerusform>
            <numerusform>Kombination von %n Messreihen</numerusform>
        </translation>
    </message>
    <message>
        <source>cohérence : %1 (moins de deux runs ajustés seuls)</source>
        <translation>Verträglichkeit: %1 (weniger als zwei einzeln angepasste Messreihen)</translation>
    </message>
    <message>
        <source>cohérence : chi2 / ddl = %1 / %2, p = %3, rapport de Birge = %4 ; %5</source>
        <translation>Verträglichkeit: chi2 / FG = %1 / %2, p = %3, Birge-Verhältnis = %4; %5</translation>
    </message>
    <message>
        <source>%1 (non comptés, sans ajustement seul : %2)</source>
        <comment>the consistency line, then the runs left out</comment>
        <translation>%1 (nicht gezählt, ohne eigene Anpassung: %2)</translation>
    </message>
</context>
<context>
    <name>comment_file</name>
    <message>
        <source> le commentaire n&apos;a pas pu être enregistré dans le fichier %1
%2</source>
        <translation> Der Kommentar konnte nicht in der Datei %1 gespeichert werden
%2</translation>
    </message>
    <message>
        <source> le commentaire à été enregistré dans le fichier %1</source>
        <translation> Der Kommentar wurde in der Datei %1 gespeichert</translation>
    </message>
</context>
<context>
    <name>data_file</name>
    <message>
        <source>Data files (*.txt, *.dat, *.data)</source>
        <translation>Datendateien (*.txt, *.dat, *.data)</translation>
    </message>
    <message>
        <source>Text files (*.txt*)</source>
        <translation>Textdateien (*.txt*)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>fit_choices</name>
    <message>
        <source>fenêtre = [%1 ; %2], %3, %4</source>
        <comment>t min, t max, model, method</comment>
        <translation>Fenster = [%1; %2], %3, %4</translation>
    </message>
</context>
<context>
    <name>fit_decisions</name>
    <message>
        <source>%1 : %2</source>
        <comment>a field&apos;s caption, then what is wrong with it</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 : doit être supérieur à 0</source>
        <translation>%1: muss größer als 0 sein</translation>
    </message>
    <message>
        <source>matière des μ−</source>
        <translation>Material der μ−</translation>
    </message>
    <message>
        <source>1 unité</source>
        <translation>1 Einheit</translation>
    </message>
    <message>
        <source>%1 (pas d&apos;ajustement tant que le champ n&apos;est pas corrigé)</source>
        <translation>%1 (keine Anpassung, solange das Feld nicht korrigiert ist)</translation>
    </message>
</context>
<context>
    <name>fit_text</name>
    <message>
        <source>carbone</source>
        <translation>Kohlenstoff</translation>
    </message>
    <message>
        <source>oxygène</source>
        <translation>Sauerstoff</translation>
    </message>
    <message>
        <source>t max au-delà des classes affichées : ajusté sur [%1 ; %2]</source>
        <translation>t max jenseits der angezeigten Klassen: angepasst auf [%1; %2]</translation>
    </message>
    <message>
        <source>durées sur une grille d&apos;horloge : vraisemblance des valeurs de la grille, de pas %1</source>
        <translation>Dauern auf einem Taktraster: Likelihood der Rasterwerte, Schrittweite %1</translation>
    </message>
    <message>
        <source>Tau ajusté =</source>
        <translation>angepasstes Tau =</translation>
    </message>
    <message>
        <source>fond =</source>
        <translation>Untergrund =</translation>
    </message>
    <message>
        <source>événements dans la fenêtre =</source>
        <translation>Ereignisse im Fenster =</translation>
    </message>
    <message>
        <source>chi2 / ddl =</source>
        <translation>chi2 / FG =</translation>
    </message>
    <message>
        <source>Tau de l&apos;histogramme (durée moyenne) =</source>
        <translation>Tau des Histogramms (mittlere Dauer) =</translation>
    </message>
    <message>
        <source>0 (à la limite)</source>
        <comment>the background</comment>
        <translation>0 (an der Grenze)</translation>
    </message>
    <message>
        <source>biaisé : τ mesuré dans la matière (μ− capturés)</source>
        <translation>verzerrt: τ in Materie gemessen (μ− eingefangen)</translation>
    </message>
    <message>
        <source>rapport de charge ρ =</source>
        <translation>Ladungsverhältnis ρ =</translation>
    </message>
    <message>
        <source>valeurs fixées =</source>
        <translation>feste Werte =</translation>
    </message>
    <message>
        <source>exponentielle + fond</source>
        <translation>Exponential + Untergrund</translation>
    </message>
    <message>
        <source>exponentielle seule</source>
        <translation>nur Exponential</translation>
    </message>
    <message>
        <source>μ+ libre et μ− capturés</source>
        <translation>freie μ+ und eingefangene μ−</translation>
    </message>
    <message>
        <source>rapport de charge</source>
        <translation>Ladungsverhältnis</translation>
    </message>
    <message>
        <source>histogramme</source>
        <comment>the fit&apos;s method</comment>
        <translation>Histogramm</translation>
    </message>
    <message>
        <source>non binné</source>
        <comment>the fit&apos;s method</comment>
        <translation>ungebinnt</translation>
    </message>
</context>
<context>
    <name>formats</name>
    <message>
        <source>heure avant celle de la première ligne du fichier</source>
        <translation>Uhrzeit vor der der ersten Zeile der Datei</translation>
    </message>
    <message>
        <source>date illisible (attendu &apos;Thu_Dec_10_11:49:22_2015&apos;)</source>
        <translation>unlesbares Datum (erwartet &apos;Thu_Dec_10_11:49:22_2015&apos;)</translation>
    </message>
    <message>
        <source>ligne d&apos;un autre format (attendu « Decay &apos;date&apos; durée »)</source>
        <translation>Zeile eines anderen Formats (erwartet „Decay &apos;Datum&apos; Dauer“)</translation>
    </message>
    <message>
        <source>durée négative ou non finie : %1</source>
        <translation>negative oder unendliche Dauer: %1</translation>
    </message>
    <message>
        <source>pas deux entiers « valeur secondes »</source>
        <translation>nicht zwei ganze Zahlen „Wert Sekunden“</translation>
    </message>
    <message>
        <source>secondes Unix au-delà de l&apos;an 9999 : %1</source>
        <translation>Unix-Sekunden nach dem Jahr 9999: %1</translation>
    </message>
    <message>
        <source>valeur négative (-%1) : ni une désintégration ni un comptage</source>
        <translation>negativer Wert (-%1): weder ein Zerfall noch eine Zählung</translation>
    </message>
    <message>
        <source>compteur (mot 1) illisible</source>
        <translation>Zähler (Wort 1) unlesbar</translation>
    </message>
    <message>
        <source>front (mots 2 à 9) illisible : 2 chiffres hexadécimaux attendus</source>
        <translation>Flanke (Wörter 2 bis 9) unlesbar: 2 Hexadezimalziffern erwartet</translation>
    </message>
    <message>
        <source>compteur du 1PPS (mot 10) illisible</source>
        <translation>1PPS-Zähler (Wort 10) unlesbar</translation>
    </message>
    <message>
        <source>heure GPS (mot 11) illisible : hhmmss.sss attendu</source>
        <translation>GPS-Uhrzeit (Wort 11) unlesbar: hhmmss.sss erwartet</translation>
    </message>
    <message>
        <source>date GPS (mot 12) illisible : jjmmaa attendu</source>
        <translation>GPS-Datum (Wort 12) unlesbar: TTMMJJ erwartet</translation>
    </message>
    <message>
        <source>état GPS (mot 13) ni A ni V</source>
        <translation>GPS-Status (Wort 13) weder A noch V</translation>
    </message>
    <message>
        <source>nombre de satellites (mot 14) illisible</source>
        <translation>Anzahl der Satelliten (Wort 14) unlesbar</translation>
    </message>
    <message>
        <source>drapeaux d&apos;état (mot 15) illisibles</source>
        <translation>Statusbits (Wort 15) unlesbar</translation>
    </message>
    <message>
        <source>délai GPS (mot 16) illisible</source>
        <translation>GPS-Verzögerung (Wort 16) unlesbar</translation>
    </message>
    <message>
        <source>date illisible (attendu &apos;2015-12-10 11:49:22.123&apos;)</source>
        <translation>unlesbares Datum (erwartet &apos;2015-12-10 11:49:22.123&apos;)</translation>
    </message>
    <message>
        <source>ligne d&apos;un autre format (attendu « &apos;date&apos; Decay durée »)</source>
        <translation>Zeile eines anderen Formats (erwartet „&apos;Datum&apos; Decay Dauer“)</translation>
    </message>
    <message>
        <source>une voie de 0 à 3</source>
        <translation>ein Kanal von 0 bis 3</translation>
    </message>
    <message>
        <source>une voie de 0 à 3, ou none</source>
        <translation>ein Kanal von 0 bis 3, oder none</translation>
    </message>
    <message>
        <source>des ns, 0 ou plus</source>
        <translation>ns, 0 oder mehr</translation>
    </message>
    <message>
        <source>utc ou local</source>
        <translation>utc oder local</translation>
    </message>
    <message>
        <source>%1 : clé inconnue</source>
        <translation>%1: unbekannter Schlüssel</translation>
    </message>
    <message>
        <source>%1=%2 : attendu %3</source>
        <translation>%1=%2: erwartet %3</translation>
    </message>
    <message>
        <source>la voie de veto doit différer des deux autres, et min_decay_ns ne pas dépasser max_decay_ns</source>
        <translation>der Veto-Kanal muss sich von den beiden anderen unterscheiden, und min_decay_ns darf max_decay_ns nicht übersteigen</translation>
    </message>
    <message>
        <source>%1 : %2 n&apos;est pas de la forme clé=valeur</source>
        <translation>%1: %2 hat nicht die Form Schlüssel=Wert</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <comment>the file, then what is wrong in it</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 : %2 (voies et durées par défaut)</source>
        <translation>%1: %2 (Standardkanäle und -dauern)</translation>
    </message>
    <message>
        <source>ligne d&apos;évènement sans ses 16 mots (coupée ?)</source>
        <translation>Ereigniszeile ohne ihre 16 Wörter (abgeschnitten?)</translation>
    </message>
    <message>
        <source>ni une ligne d&apos;évènement de la carte ni une de ses réponses</source>
        <translation>weder eine Ereigniszeile der Karte noch eine ihrer Antworten</translation>
    </message>
</context>
<context>
    <name>load_text</name>
    <message numerus="yes">
        <source>%n lignes</source>
        <translation>
            <numerusform>%n Zeile</numerusform>
            <numerusform>%n Zeilen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n ignorées)</source>
        <comment>the lines, then how many of them were skipped</comment>
        <translation>
            <numerusform>%1 (%n übersprungen)</numerusform>
            <numerusform>%1 (%n übersprungen)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, ligne %2 ignorée : « %3 » n&apos;est pas un enregistrement (%4)</source>
        <translation>%1, Zeile %2 übersprungen: „%3“ ist kein Datensatz (%4)</translation>
    </message>
    <message numerus="yes">
        <source>%1 : %n lignes ignorées ; la première, ligne %2 : « %3 » n&apos;est pas un enregistrement (%4)</source>
        <translation>
            <numerusform>%1: %n Zeile übersprungen; die erste, Zeile %2: „%3“ ist kein Datensatz (%4)</numerusform>
            <numerusform>%1: %n Zeilen übersprungen; die erste, Zeile %2: „%3“ ist kein Datensatz (%4)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 : %n lignes ignorées ; la dernière, ligne %2 : « %3 » n&apos;est pas un enregistrement (%4)</source>
        <translation>
            <numerusform>%1: %n Zeile übersprungen; die letzte, Zeile %2: „%3“ ist kein Datensatz (%4)</numerusform>
            <numerusform>%1: %n Zeilen übersprungen; die letzte, Zeile %2: „%3“ ist kein Datensatz (%4)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, cumul = %2</source>
        <comment>the lines, then the total of the durations</comment>
        <translation>%1, Summe = %2</translation>
    </message>
    <message>
        <source>aucun enregistrement : le fichier est vide</source>
        <translation>kein Datensatz: Die Datei ist leer</translation>
    </message>
    <message>
        <source>aucun enregistrement : aucune désintégration dans le fichier (format %1)</source>
        <translation>kein Datensatz: kein Zerfall in der Datei (Format %1)</translation>
    </message>
    <message>
        <source>aucun enregistrement : la ligne %1 (« SAUVEGARDE ») arrête la lecture avant les données</source>
        <translation>kein Datensatz: Zeile %1 („SAUVEGARDE“) beendet das Lesen vor den Daten</translation>
    </message>
    <message>
        <source>aucun enregistrement : la ligne %1, vide, arrête la lecture avant les données</source>
        <translation>kein Datensatz: Die leere Zeile %1 beendet das Lesen vor den Daten</translation>
    </message>
    <message>
        <source>aucun enregistrement : pas de ligne d&apos;en-tête « Heure » après les deux lignes de titre ; vorns lit les fichiers de l&apos;acquisition (en-tête « Heure »), de deux entiers par ligne (« 1620 1574345682 ») et de lignes « Decay » (« Decay &apos;Thu_Dec_10_11:49:22_2015&apos; 2.4375 »)</source>
        <translation>kein Datensatz: keine Kopfzeile „Heure“ nach den zwei Titelzeilen; vorns liest die Dateien der Datenerfassung (Kopfzeile „Heure“), Dateien mit zwei ganzen Zahlen pro Zeile („1620 1574345682“) und Dateien mit „Decay“-Zeilen („Decay &apos;Thu_Dec_10_11:49:22_2015&apos; 2.4375“)</translation>
    </message>
    <message>
        <source>aucun enregistrement : aucune ligne lisible après l&apos;en-tête « Heure »</source>
        <translation>kein Datensatz: keine lesbare Zeile nach der Kopfzeile „Heure“</translation>
    </message>
    <message>
        <source>aucun enregistrement : pas de ligne de données après l&apos;en-tête « Heure »</source>
        <translation>kein Datensatz: keine Datenzeile nach der Kopfzeile „Heure“</translation>
    </message>
    <message>
        <source>aucun enregistrement : une seule ligne de données, qui fixe l&apos;origine des temps</source>
        <translation>kein Datensatz: nur eine Datenzeile, die den Zeitnullpunkt festlegt</translation>
    </message>
    <message>
        <source>format %1</source>
        <translation>Format %1</translation>
    </message>
    <message>
        <source>format %1 : 1 unité = %2 ns, %3 s de comptage</source>
        <translation>Format %1: 1 Einheit = %2 ns, %3 s Zählung</translation>
    </message>
    <message>
        <source>format %1 : 1 unité = %2 ns</source>
        <translation>Format %1: 1 Einheit = %2 ns</translation>
    </message>
    <message>
        <source>format %1 : 1 unité = %2 ns, début %3 heure locale, %4 s de comptage</source>
        <translation>Format %1: 1 Einheit = %2 ns, Beginn %3 Ortszeit, %4 s Zählung</translation>
    </message>
    <message>
        <source>format %1 : 1 unité = %2 ns, début %3 heure locale</source>
        <translation>Format %1: 1 Einheit = %2 ns, Beginn %3 Ortszeit</translation>
    </message>
    <message>
        <source> le nombre maximum de données est de %1 pour le moment =&gt; source à modifier</source>
        <translation> Die Höchstzahl der Daten ist derzeit %1 =&gt; der Quelltext muss geändert werden</translation>
    </message>
    <message>
        <source>aucune durée en deçà de X max = %1 : les chiffres restent ceux du calcul précédent de ce fichier</source>
        <translation>keine Dauer unterhalb X max = %1: Die Kennzahlen bleiben die der vorigen Berechnung dieser Datei</translation>
    </message>
    <message>
        <source>aucune durée en deçà de X max = %1 : pas de chiffres</source>
        <translation>keine Dauer unterhalb X max = %1: keine Kennzahlen</translation>
    </message>
    <message>
        <source> (%1 j)</source>
        <comment>days</comment>
        <translation> (%1 d)</translation>
    </message>
    <message>
        <source> (%1 h )</source>
        <comment>hours</comment>
        <translation> (%1 h )</translation>
    </message>
    <message>
        <source>%1 [ classe %2]</source>
        <comment>a count, then its class</comment>
        <translation>%1 [ Klasse %2]</translation>
    </message>
    <message>
        <source>, %1 évènements, horloge %2 MHz</source>
        <comment>a raw stream&apos;s events and clock</comment>
        <translation>, %1 Ereignisse, Takt %2 MHz</translation>
    </message>
    <message>
        <source> (mesurée au 1PPS)</source>
        <comment>the clock</comment>
        <translation> (am 1PPS gemessen)</translation>
    </message>
    <message>
        <source> (supposée : aucune seconde GPS pour la mesurer)</source>
        <comment>the clock</comment>
        <translation> (angenommen: keine GPS-Sekunde, um ihn zu messen)</translation>
    </message>
    <message>
        <source>, sans heure GPS : temps comptés depuis le premier évènement</source>
        <translation>, ohne GPS-Zeit: Zeiten ab dem ersten Ereignis gezählt</translation>
    </message>
    <message>
        <source>, %1 évènements datés avant le premier, laissés de côté</source>
        <translation>, %1 vor dem ersten datierte Ereignisse, beiseitegelassen</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; ist keine gültige Gleitkommazahl</translation>
    </message>
    <message>
        <source>Floating point division by zero</source>
        <translation>Gleitkomma-Division durch null</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Ungültige Gleitkommaoperation</translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation>Gleitkomma-Überlauf</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genug Arbeitsspeicher</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Keine reguläre Datei</translation>
    </message>
    <message>
        <source>write error</source>
        <translation>Schreibfehler</translation>
    </message>
    <message>
        <source> ; </source>
        <comment>between the parts of a line, as in &quot;fit converged ; background at the limit&quot;</comment>
        <translation>; </translation>
    </message>
</context>
<context>
    <name>rate_text</name>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 h</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>%1 j</source>
        <comment>days</comment>
        <translation>%1 d</translation>
    </message>
    <message>
        <source>%1 j %2 h</source>
        <comment>days and hours</comment>
        <translation>%1 d %2 h</translation>
    </message>
    <message>
        <source>jour %1 %2</source>
        <comment>the day from the run&apos;s first, then the time of day</comment>
        <translation>Tag %1 %2</translation>
    </message>
    <message>
        <source>taux moyen : %1</source>
        <translation>mittlere Rate: %1</translation>
    </message>
    <message>
        <source>taux moyen : %1 /h</source>
        <translation>mittlere Rate: %1 /h</translation>
    </message>
    <message>
        <source>durée : %1 ; temps actif : %2 (secondes présentes dans le fichier)</source>
        <translation>Dauer: %1; aktive Messzeit: %2 (in der Datei vorhandene Sekunden)</translation>
    </message>
    <message>
        <source>durée : %1</source>
        <translation>Dauer: %1</translation>
    </message>
    <message>
        <source>durée : %1 ; temps actif : %2 (%3 %)</source>
        <translation>Dauer: %1; aktive Messzeit: %2 (%3 %)</translation>
    </message>
    <message numerus="yes">
        <source>muons à travers le détecteur : %1 /min (%n muons)</source>
        <translation>
            <numerusform>Myonen durch den Detektor: %1 /min (%n Myon)</numerusform>
            <numerusform>Myonen durch den Detektor: %1 /min (%n Myonen)</numerusform>
        </translation>
    </message>
    <message>
        <source>aucun trou de plus de %1</source>
        <translation>keine Lücke länger als %1</translation>
    </message>
    <message>
        <source>1 trou de plus de %1</source>
        <translation>1 Lücke länger als %1</translation>
    </message>
    <message numerus="yes">
        <source>%n trous de plus de %1, %2 en tout</source>
        <translation>
            <numerusform>%n Lücke länger als %1, %2 insgesamt</numerusform>
            <numerusform>%n Lücken länger als %1, %2 insgesamt</numerusform>
        </translation>
    </message>
    <message>
        <source>trou : %1 → %2 (%3)</source>
        <translation>Lücke: %1 → %2 (%3)</translation>
    </message>
    <message numerus="yes">
        <source>tranches de %1 (élargies : au plus %2 tranches), %n tranches</source>
        <translation>
            <numerusform>Intervalle von %1 (verbreitert: höchstens %2 Intervalle), %n Intervall</numerusform>
            <numerusform>Intervalle von %1 (verbreitert: höchstens %2 Intervalle), %n Intervalle</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>tranches de %1 (largeur donnée), %n tranches</source>
        <translation>
            <numerusform>Intervalle von %1 (vorgegebene Breite), %n Intervall</numerusform>
            <numerusform>Intervalle von %1 (vorgegebene Breite), %n Intervalle</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>tranches de %1 (environ %2 événements chacune), %n tranches</source>
        <translation>
            <numerusform>Intervalle von %1 (je etwa %2 Ereignisse), %n Intervall</numerusform>
            <numerusform>Intervalle von %1 (je etwa %2 Ereignisse), %n Intervalle</numerusform>
        </translation>
    </message>
    <message>
        <source>trop peu de tranches pour juger la constance du taux</source>
        <translation>zu wenige Intervalle, um die Konstanz der Rate zu beurteilen</translation>
    </message>
    <message>
        <source>taux stable (chi2 / ddl = %1 / %2, %3)</source>
        <translation>Rate konstant (chi2 / FG = %1 / %2, %3)</translation>
    </message>
    <message>
        <source>taux non constant (chi2 / ddl = %1 / %2, %3)</source>
        <translation>Rate nicht konstant (chi2 / FG = %1 / %2, %3)</translation>
    </message>
    <message>
        <source>taux en hausse (chi2 / ddl = %1 / %2, %3)</source>
        <translation>Rate steigend (chi2 / FG = %1 / %2, %3)</translation>
    </message>
    <message>
        <source>taux en baisse (chi2 / ddl = %1 / %2, %3)</source>
        <translation>Rate fallend (chi2 / FG = %1 / %2, %3)</translation>
    </message>
    <message>
        <source>taux (chi2 / ddl = %1 / %2, %3)</source>
        <translation>Rate (chi2 / FG = %1 / %2, %3)</translation>
    </message>
    <message>
        <source>dérive : %1 /h par heure</source>
        <translation>Drift: %1 /h pro Stunde</translation>
    </message>
    <message>
        <source>aucun événement</source>
        <translation>kein Ereignis</translation>
    </message>
    <message>
        <source>moins de 3 événements : ni taux ni trou</source>
        <translation>weniger als 3 Ereignisse: weder Rate noch Lücke</translation>
    </message>
    <message>
        <source>tous les événements dans la même seconde : pas de taux</source>
        <translation>alle Ereignisse in derselben Sekunde: keine Rate</translation>
    </message>
    <message numerus="yes">
        <source>l&apos;heure recule %n fois d&apos;une ligne à la suivante (de %1 au plus) : les événements sont pris dans l&apos;ordre de leurs heures</source>
        <translation>
            <numerusform>die Uhrzeit springt %n Mal von einer Zeile zur nächsten zurück (um höchstens %1): Die Ereignisse werden in der Reihenfolge ihrer Uhrzeiten genommen</numerusform>
            <numerusform>die Uhrzeit springt %n Mal von einer Zeile zur nächsten zurück (um höchstens %1): Die Ereignisse werden in der Reihenfolge ihrer Uhrzeiten genommen</numerusform>
        </translation>
    </message>
    <message>
        <source>les heures ne portent pas de date : un trou a pu durer des jours entiers de plus</source>
        <translation>die Uhrzeiten tragen kein Datum: Eine Lücke kann ganze Tage länger gedauert haben</translation>
    </message>
    <message>
        <source>début</source>
        <comment>column: the bin&apos;s start</comment>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>événements</source>
        <comment>column</comment>
        <translation>Ereignisse</translation>
    </message>
    <message>
        <source>actif (s)</source>
        <comment>column: the bin&apos;s live time</comment>
        <translation>aktiv (s)</translation>
    </message>
    <message>
        <source>taux (/h)</source>
        <comment>column</comment>
        <translation>Rate (/h)</translation>
    </message>
    <message>
        <source>erreur (/h)</source>
        <comment>column</comment>
        <translation>Fehler (/h)</translation>
    </message>
    <message>
        <source>hors test</source>
        <comment>a bin left out of the constancy test</comment>
        <translation>nicht getestet</translation>
    </message>
    <message>
        <source>acquisition arrêtée ? aucun événement depuis %1</source>
        <translation>Datenerfassung angehalten? kein Ereignis seit %1</translation>
    </message>
    <message>
        <source>acquisition arrêtée ? aucun événement depuis %1 (le dernier à %2)</source>
        <translation>Datenerfassung angehalten? kein Ereignis seit %1 (das letzte um %2)</translation>
    </message>
</context>
<context>
    <name>report</name>
    <message>
        <source>à fixer</source>
        <translation>festzulegen</translation>
    </message>
    <message>
        <source>1 unité =</source>
        <translation>1 Einheit =</translation>
    </message>
    <message>
        <source>précision visée :</source>
        <translation>angestrebte Genauigkeit:</translation>
    </message>
    <message>
        <source>fr_FR</source>
        <extracomment>The language the report is written in: the locale name of this translation&apos;s language.</extracomment>
        <translation>de_DE</translation>
    </message>
    <message>
        <source>%1 à %2</source>
        <extracomment>A date and a time of day: &quot;jeudi 10 décembre 2026 à 01:25&quot;.</extracomment>
        <translation>%1 um %2</translation>
    </message>
    <message>
        <source>Mesure de la durée de vie</source>
        <translation>Messung der Lebensdauer</translation>
    </message>
    <message>
        <source>vorns %1 — rapport du %2</source>
        <translation>vorns %1 — Bericht vom %2</translation>
    </message>
    <message>
        <source>nom(s) :</source>
        <translation>Name(n):</translation>
    </message>
    <message>
        <source>groupe :</source>
        <translation>Gruppe:</translation>
    </message>
    <message>
        <source>cours :</source>
        <translation>Kurs:</translation>
    </message>
    <message>
        <source>montage :</source>
        <translation>Aufbau:</translation>
    </message>
    <message>
        <source>note :</source>
        <translation>Notiz:</translation>
    </message>
    <message>
        <source>données</source>
        <translation>Daten</translation>
    </message>
    <message>
        <source>run %1 :</source>
        <translation>Messreihe %1:</translation>
    </message>
    <message>
        <source>fichier :</source>
        <translation>Datei:</translation>
    </message>
    <message>
        <source>unités</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>résultat</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>runs d&apos;unités différentes : non combinés</source>
        <translation>Messreihen mit verschiedenen Einheiten: nicht kombiniert</translation>
    </message>
    <message>
        <source>santé</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>détails du run : %1</source>
        <translation>Einzelheiten der Messreihe: %1</translation>
    </message>
    <message>
        <source>run %1 sur %2 : %3</source>
        <translation>Messreihe %1 von %2: %3</translation>
    </message>
    <message>
        <source>enregistrements : %1 ; lignes ignorées : %2</source>
        <translation>Datensätze: %1; übersprungene Zeilen: %2</translation>
    </message>
    <message>
        <source>lignes de titre :</source>
        <translation>Titelzeilen:</translation>
    </message>
    <message>
        <source>commentaire : (aucun)</source>
        <translation>Kommentar: (keiner)</translation>
    </message>
    <message>
        <source>commentaire :</source>
        <translation>Kommentar:</translation>
    </message>
    <message>
        <source>fichier</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>chiffres de la fenêtre principale</source>
        <translation>Kennzahlen des Hauptfensters</translation>
    </message>
    <message>
        <source>événements dans les classes =</source>
        <translation>Ereignisse in den Klassen =</translation>
    </message>
    <message>
        <source>durée totale (moyennes des classes) =</source>
        <translation>Gesamtdauer (Klassenmittelwerte) =</translation>
    </message>
    <message>
        <source>durée totale (centres des classes) =</source>
        <translation>Gesamtdauer (Klassenmitten) =</translation>
    </message>
    <message>
        <source>durée moyenne, Tau =</source>
        <translation>mittlere Dauer, Tau =</translation>
    </message>
    <message>
        <source>Lambda = 1 / Tau =</source>
        <translation>Lambda = 1 / Tau =</translation>
    </message>
    <message>
        <source>T 1/2 = Tau . ln(2) =</source>
        <translation>T 1/2 = Tau . ln(2) =</translation>
    </message>
    <message>
        <source>Cm =</source>
        <translation>Cm =</translation>
    </message>
    <message>
        <source>C0 = Cm / e =</source>
        <translation>C0 = Cm / e =</translation>
    </message>
    <message>
        <source>activité initiale =</source>
        <translation>Anfangsaktivität =</translation>
    </message>
    <message>
        <source>ajustement du run seul</source>
        <translation>Anpassung der Messreihe allein</translation>
    </message>
    <message>
        <source>stabilité de Tau</source>
        <translation>Stabilität von Tau</translation>
    </message>
    <message>
        <source>santé du run</source>
        <translation>Zustand der Messreihe</translation>
    </message>
    <message>
        <source>pour refaire cet ajustement</source>
        <translation>um diese Anpassung zu wiederholen</translation>
    </message>
    <message numerus="yes">
        <source>%n enregistrements ; %1</source>
        <translation>
            <numerusform>%n Datensatz; %1</numerusform>
            <numerusform>%n Datensätze; %1</numerusform>
        </translation>
    </message>
    <message>
        <source>SHA-256 : %1</source>
        <translation>SHA-256: %1</translation>
    </message>
    <message>
        <source>premier enregistrement : %1</source>
        <translation>erster Datensatz: %1</translation>
    </message>
    <message>
        <source>dernier enregistrement : %1</source>
        <translation>letzter Datensatz: %1</translation>
    </message>
    <message>
        <source>Figure %1 — histogramme des durées de tous les runs ensemble (points, ± √n), leur ajustement commun (rouge) et son fond plat (tirets bleus) ; dessous, les résidus normalisés (observé − attendu) / √attendu.</source>
        <translation>Abbildung %1 — Histogramm der Dauern aller Messreihen zusammen (Punkte, ± √n), ihre gemeinsame Anpassung (rot) und ihr flacher Untergrund (blau gestrichelt); darunter die normierten Residuen (beobachtet − erwartet) / √erwartet.</translation>
    </message>
    <message>
        <source>Figure %1 — histogramme des durées de %2 (points, ± √n), l&apos;ajustement (rouge) et son fond plat (tirets bleus) ; dessous, les résidus normalisés (observé − attendu) / √attendu.</source>
        <translation>Abbildung %1 — Histogramm der Dauern von %2 (Punkte, ± √n), die Anpassung (rot) und ihr flacher Untergrund (blau gestrichelt); darunter die normierten Residuen (beobachtet − erwartet) / √erwartet.</translation>
    </message>
    <message>
        <source>Figure %1 — convergence : Tau ajusté ± σ (rouge) à mesure que le run grandit, et le Tau de l&apos;histogramme (bleu).</source>
        <translation>Abbildung %1 — Konvergenz: angepasstes Tau ± σ (rot), während die Messreihe wächst, und das Tau des Histogramms (blau).</translation>
    </message>
    <message>
        <source>Figure %1 — stabilité : Tau ajusté quand t min monte, la bande de variation attendue autour du premier ajustement et deux fois la bande (tirets) ; en rouge, les points hors de deux fois la bande.</source>
        <translation>Abbildung %1 — Stabilität: angepasstes Tau bei steigendem t min, das Band der erwarteten Schwankung um die erste Anpassung und das doppelte Band (gestrichelt); rot die Punkte außerhalb des doppelten Bandes.</translation>
    </message>
    <message>
        <source>Figure %1 — événements par heure dans des tranches de %2 (points noirs, ± √n), sur le temps actif de chaque tranche (cercles verts), et taux moyen (tirets rouges).</source>
        <translation>Abbildung %1 — Ereignisse pro Stunde in Intervallen von %2 (schwarze Punkte, ± √n), über die aktive Messzeit jedes Intervalls (grüne Kreise), und die mittlere Rate (rot gestrichelt).</translation>
    </message>
</context>
<context>
    <name>run_exclusions</name>
    <message>
        <source>&apos;%1&apos; is no time of day hh:mm:ss (with a day: +1/hh:mm:ss)</source>
        <translation>&apos;%1&apos; ist keine Uhrzeit hh:mm:ss (mit einem Tag: +1/hh:mm:ss)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no time of day</source>
        <translation>&apos;%1&apos; ist keine Uhrzeit</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no span START-END</source>
        <translation>&apos;%1&apos; ist kein Zeitraum BEGINN-ENDE</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: the span ends before it starts</source>
        <translation>&apos;%1&apos;: Der Zeitraum endet, bevor er beginnt</translation>
    </message>
    <message numerus="yes">
        <source>exclu : %1 (%n enregistrements)</source>
        <translation>
            <numerusform>ausgeschlossen: %1 (%n Datensatz)</numerusform>
            <numerusform>ausgeschlossen: %1 (%n Datensätze)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>settings</name>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht geschrieben werden. %2</translation>
    </message>
    <message>
        <source> max_parametre = %1
 augmenter ce nombre dans le source...</source>
        <translation> max_parametre = %1
 diese Zahl im Quelltext erhöhen...</translation>
    </message>
</context>
<context>
    <name>share</name>
    <message>
        <source>fr</source>
        <translation>de</translation>
    </message>
    <message>
        <source>vorns — %1</source>
        <translation>vorns — %1</translation>
    </message>
    <message>
        <source>vorns ne répond plus : les chiffres ci-dessous sont ceux du dernier rechargement reçu.</source>
        <translation>vorns antwortet nicht mehr: die Zahlen unten sind die des zuletzt empfangenen Neuladens.</translation>
    </message>
    <message>
        <source>dernier rechargement</source>
        <translation>letztes Neuladen</translation>
    </message>
    <message>
        <source>enregistrements</source>
        <translation>Datensätze</translation>
    </message>
    <message>
        <source>modèle</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>ajustement</source>
        <translation>Anpassung</translation>
    </message>
    <message>
        <source>prévision</source>
        <translation>Prognose</translation>
    </message>
    <message>
        <source>taux</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>temps actif</source>
        <translation>aktive Messzeit</translation>
    </message>
    <message>
        <source>histogramme des durées avec l&apos;ajustement</source>
        <translation>Histogramm der Dauern mit der Anpassung</translation>
    </message>
    <message>
        <source>taux du run</source>
        <translation>Rate des Laufs</translation>
    </message>
    <message>
        <source>Page en lecture seule, mise à jour à chaque période de rafraîchissement.</source>
        <translation>Seite nur zum Lesen, bei jeder Aktualisierungsperiode erneuert.</translation>
    </message>
    <message>
        <source>histogramme</source>
        <translation>Histogramm</translation>
    </message>
</context>
<context>
    <name>stability_text</name>
    <message>
        <source>≈ %1 min</source>
        <translation>≈ %1 min</translation>
    </message>
    <message>
        <source>≈ %1 h</source>
        <translation>≈ %1 h</translation>
    </message>
    <message>
        <source>≈ %1 j</source>
        <comment>days</comment>
        <translation>≈ %1 d</translation>
    </message>
    <message>
        <source>Tau hors de la bande de stabilité à t min = %1 (%2 fois la variation attendue) : temps mort ou artefact aux temps courts ?</source>
        <translation>Tau außerhalb des Stabilitätsbandes bei t min = %1 (%2-fache erwartete Schwankung): Totzeit oder ein Artefakt bei kurzen Zeiten?</translation>
    </message>
    <message>
        <source>pas de balayage de t min sans ajustement convergé de la fenêtre</source>
        <translation>kein Durchlauf von t min ohne konvergierte Anpassung des Fensters</translation>
    </message>
    <message>
        <source>Tau non jugé quand t min monte de %1 à %2 : aucun point comparé au premier ajustement avec un Tau connu à %3 près</source>
        <translation>Tau nicht beurteilt, während t min von %1 auf %2 steigt: kein mit der ersten Anpassung verglichener Punkt mit einem auf %3 genau bekannten Tau</translation>
    </message>
    <message>
        <source>Tau stable quand t min monte de %1 à %2 : écart au premier ajustement jusqu&apos;à %3 fois sa variation attendue (alerte au-delà de %4 fois pour les Tau connus à %5 près)</source>
        <translation>Tau stabil, während t min von %1 auf %2 steigt: Abweichung von der ersten Anpassung bis zum %3-fachen ihrer erwarteten Schwankung (Warnung oberhalb des %4-fachen für die auf %5 genau bekannten Tau)</translation>
    </message>
    <message>
        <source>stabilité : Tau quand t min monte, bande = ±√(σ² − σ₀²) autour du premier ajustement, σ pris au Tau du premier</source>
        <translation>Stabilität: Tau bei steigendem t min, Band = ±√(σ² − σ₀²) um die erste Anpassung, σ beim Tau der ersten genommen</translation>
    </message>
    <message>
        <source>événements</source>
        <comment>column</comment>
        <translation>Ereignisse</translation>
    </message>
    <message>
        <source>bande</source>
        <comment>column: the band of chance</comment>
        <translation>Band</translation>
    </message>
    <message>
        <source>écart / bande</source>
        <comment>column</comment>
        <translation>Abw. / Band</translation>
    </message>
    <message>
        <source>hors bande</source>
        <translation>außerhalb des Bandes</translation>
    </message>
    <message>
        <source>fond à la limite 0 : non comparé</source>
        <translation>Untergrund an der Grenze 0: nicht verglichen</translation>
    </message>
    <message>
        <source>%1 sur Tau : pas de prévision sans ajustement convergé</source>
        <translation>%1 auf Tau: keine Prognose ohne konvergierte Anpassung</translation>
    </message>
    <message>
        <source>%1 sur Tau : pas de prévision, ce modèle n&apos;ajuste pas Tau</source>
        <translation>%1 auf Tau: keine Prognose, dieses Modell passt Tau nicht an</translation>
    </message>
    <message>
        <source>%1 sur Tau : pas de prévision sans précision visée au-dessus de 0</source>
        <translation>%1 auf Tau: keine Prognose ohne angestrebte Genauigkeit über 0</translation>
    </message>
    <message>
        <source>%1 sur Tau atteint (%2 maintenant)</source>
        <translation>%1 auf Tau erreicht (jetzt %2)</translation>
    </message>
    <message>
        <source>%1 sur Tau : pas de prévision, taux inconnu (moins de 3 enregistrements ou tous dans la même seconde)</source>
        <translation>%1 auf Tau: keine Prognose, Rate unbekannt (weniger als 3 Datensätze oder alle in derselben Sekunde)</translation>
    </message>
    <message>
        <source>%1 sur Tau hors de portée (à %2 événements / jour)</source>
        <translation>%1 auf Tau außer Reichweite (bei %2 Ereignissen / Tag)</translation>
    </message>
    <message>
        <source>%1 sur Tau dans %2 (à %3 événements / jour)</source>
        <translation>%1 auf Tau in %2 (bei %3 Ereignissen / Tag)</translation>
    </message>
</context>
<context>
    <name>status_text</name>
    <message>
        <source>convergé</source>
        <translation>konvergiert</translation>
    </message>
    <message>
        <source>fenêtre refusée : t min doit être positif ou nul et inférieur à t max, deux nombres finis</source>
        <translation>Fenster abgelehnt: t min muss null oder positiv und kleiner als t max sein, beides endliche Zahlen</translation>
    </message>
    <message>
        <source>classes refusées : dX doit être supérieur à 0 et le nombre de classes raisonnable</source>
        <translation>Klassen abgelehnt: dX muss größer als 0 und die Anzahl der Klassen vernünftig sein</translation>
    </message>
    <message>
        <source>aucun événement dans la fenêtre</source>
        <translation>kein Ereignis im Fenster</translation>
    </message>
    <message>
        <source>moins de %1 événements dans la fenêtre</source>
        <translation>weniger als %1 Ereignisse im Fenster</translation>
    </message>
    <message>
        <source>moins de %1 classes dans la fenêtre</source>
        <translation>weniger als %1 Klassen im Fenster</translation>
    </message>
    <message>
        <source>toutes les durées de la fenêtre sont égales</source>
        <translation>alle Dauern im Fenster sind gleich</translation>
    </message>
    <message>
        <source>pas de signal de décroissance</source>
        <translation>kein Zerfallssignal</translation>
    </message>
    <message>
        <source>durée de vie au-delà de la fenêtre (plus de %1 fois sa largeur)</source>
        <translation>Lebensdauer jenseits des Fensters (mehr als das %1-fache seiner Breite)</translation>
    </message>
    <message>
        <source>durée de vie trop courte pour être mesurée dans cette fenêtre</source>
        <translation>Lebensdauer zu kurz, um in diesem Fenster gemessen zu werden</translation>
    </message>
    <message>
        <source>l&apos;ajustement n&apos;a pas convergé</source>
        <translation>die Anpassung ist nicht konvergiert</translation>
    </message>
    <message>
        <source>unité non fixée : ce modèle demande la durée d&apos;une unité en ns (1 unité = … ns)</source>
        <translation>Einheit nicht festgelegt: Dieses Modell braucht die Dauer einer Einheit in ns (1 Einheit = … ns)</translation>
    </message>
    <message>
        <source>modèle refusé : il s&apos;ajuste sur les durées (non binné), avec une durée de vie des μ− et un rapport de charge supérieurs à 0</source>
        <translation>Modell abgelehnt: Es wird an die Dauern angepasst (ungebinnt), mit einer Lebensdauer der μ− und einem Ladungsverhältnis größer als 0</translation>
    </message>
    <message>
        <source>durées sur une grille d&apos;horloge : vraisemblance des valeurs de la grille, de pas</source>
        <translation>Dauern auf einem Taktraster: Likelihood der Rasterwerte, Schrittweite</translation>
    </message>
    <message>
        <source>fond à la limite 0 : tau ajusté sans fond</source>
        <translation>Untergrund an der Grenze 0: tau ohne Untergrund angepasst</translation>
    </message>
    <message>
        <source>signal compatible avec zéro</source>
        <translation>Signal mit null verträglich</translation>
    </message>
    <message>
        <source>erreur sur tau supérieure à tau / 2</source>
        <translation>Fehler von tau größer als tau / 2</translation>
    </message>
    <message>
        <source>des durées négatives comptent dans la classe 0</source>
        <translation>negative Dauern zählen in Klasse 0</translation>
    </message>
    <message>
        <source>convergé avec une tolérance relâchée</source>
        <translation>mit gelockerter Toleranz konvergiert</translation>
    </message>
    <message>
        <source>t max au-delà des classes affichées : ajusté sur</source>
        <translation>t max jenseits der angezeigten Klassen: angepasst auf</translation>
    </message>
    <message>
        <source>valeurs de la grille à moins d&apos;un pas de 0 laissées de côté</source>
        <translation>Rasterwerte weniger als einen Schritt von 0 weggelassen</translation>
    </message>
    <message>
        <source>rapport de charge à la limite : aucun signe de l&apos;une des deux charges</source>
        <translation>Ladungsverhältnis an der Grenze: keine Spur einer der beiden Ladungen</translation>
    </message>
    <message>
        <source>pas de classes pour le chi2</source>
        <translation>keine Klassen für chi2</translation>
    </message>
    <message>
        <source>pas assez de classes pour le chi2</source>
        <translation>zu wenige Klassen für chi2</translation>
    </message>
    <message>
        <source>p-valeur sans signification : trop de classes à moins de %1 événements attendus</source>
        <translation>p-Wert ohne Aussagekraft: zu viele Klassen mit weniger als %1 erwarteten Ereignissen</translation>
    </message>
</context>
<context>
    <name>vorns_fit</name>
    <message>
        <source>--exclude: &apos;%1&apos; is none of the files given</source>
        <translation>--exclude: &apos;%1&apos; ist keine der angegebenen Dateien</translation>
    </message>
    <message>
        <source>%1: the same run as %2 (the same file): give each run once</source>
        <translation>%1: dieselbe Messreihe wie %2 (dieselbe Datei): jede Messreihe nur einmal angeben</translation>
    </message>
    <message>
        <source>%1: the same run as %2 (the same bytes): give each run once</source>
        <translation>%1: dieselbe Messreihe wie %2 (dieselben Bytes): jede Messreihe nur einmal angeben</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no unit</comment>
        <translation>keine</translation>
    </message>
    <message>
        <source>%1: its format gives %2 a unit, the files before it %3: the runs are not combined in different units; give --unit-ns, the nanoseconds in one unit of every file</source>
        <translation>%1: Ihr Format gibt %2 als Einheit, die Dateien davor %3: Messreihen in verschiedenen Einheiten werden nicht kombiniert; --unit-ns angeben, die Nanosekunden in einer Einheit jeder Datei</translation>
    </message>
    <message>
        <source>Try &apos;vorns-fit --help&apos;.</source>
        <translation>Siehe &apos;vorns-fit --help&apos;.</translation>
    </message>
    <message>
        <source>vorns-fit: --report is written by vorns-fit-report</source>
        <translation>vorns-fit: --report wird von vorns-fit-report geschrieben</translation>
    </message>
    <message numerus="yes">
        <source>%n enregistrements</source>
        <translation>
            <numerusform>%n Datensatz</numerusform>
            <numerusform>%n Datensätze</numerusform>
        </translation>
    </message>
    <message>
        <source>vorns-fit: --follow cannot watch its signals</source>
        <translation>vorns-fit: --follow kann seine Signale nicht überwachen</translation>
    </message>
    <message>
        <source>%1: a duration cannot be negative</source>
        <translation>%1: Eine Dauer kann nicht negativ sein</translation>
    </message>
    <message>
        <source>%1: must be above 0</source>
        <translation>%1: muss größer als 0 sein</translation>
    </message>
    <message>
        <source>--model: &apos;%1&apos; is none of exp+flat, exp, mu-capture and charge-ratio</source>
        <translation>--model: &apos;%1&apos; ist keines von exp+flat, exp, mu-capture und charge-ratio</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is none of the known materials, carbon and oxygen, nor the negative muons&apos; lifetime in ns</source>
        <translation>%1: &apos;%2&apos; ist weder eines der bekannten Materialien, carbon und oxygen, noch die Lebensdauer der negativen Myonen in ns</translation>
    </message>
    <message>
        <source>--model %1 needs --unit-ns, the nanoseconds in one unit of the durations</source>
        <translation>--model %1 braucht --unit-ns, die Nanosekunden in einer Einheit der Dauern</translation>
    </message>
    <message>
        <source>%1: a value is missing</source>
        <translation>%1: Es fehlt ein Wert</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is no FILE@START-END</source>
        <translation>%1: &apos;%2&apos; ist kein DATEI@BEGINN-ENDE</translation>
    </message>
    <message>
        <source>%1: the file name is empty</source>
        <translation>%1: Der Dateiname ist leer</translation>
    </message>
    <message>
        <source>%1: must be below 100</source>
        <translation>%1: muss kleiner als 100 sein</translation>
    </message>
    <message>
        <source>%1: must be 0 or more</source>
        <translation>%1: muss 0 oder mehr sein</translation>
    </message>
    <message>
        <source>--method: &apos;%1&apos; is neither unbinned nor binned</source>
        <translation>--method: &apos;%1&apos; ist weder unbinned noch binned</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--model %1 is fitted by the unbinned --method only</source>
        <translation>--model %1 wird nur mit der ungebinnten --method angepasst</translation>
    </message>
    <message>
        <source>%1 is taken with --report</source>
        <translation>%1 gilt nur mit --report</translation>
    </message>
    <message>
        <source>--exclude is taken with --combine (one file: FILE --combine)</source>
        <translation>--exclude gilt nur mit --combine (eine Datei: DATEI --combine)</translation>
    </message>
    <message>
        <source>--follow follows one file</source>
        <translation>--follow verfolgt genau eine Datei</translation>
    </message>
    <message>
        <source>--follow is taken without --combine and --report</source>
        <translation>--follow gilt nur ohne --combine und --report</translation>
    </message>
    <message>
        <source>no data file given</source>
        <translation>keine Datendatei angegeben</translation>
    </message>
    <message>
        <source>%1 %2 (chosen for the file)</source>
        <translation>%1 %2 (für die Datei gewählt)</translation>
    </message>
    <message>
        <source>%1 is not below %2: the window is refused</source>
        <translation>%1 ist nicht kleiner als %2: Das Fenster wird abgelehnt</translation>
    </message>
    <message>
        <source>vorns-fit: cannot write the report &quot;%1&quot;: %2</source>
        <translation>vorns-fit: Der Bericht „%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>vorns-fit: the run report cannot be written: vorns-fit cannot find its own folder (%1)</source>
        <translation>vorns-fit: Der Bericht kann nicht geschrieben werden: vorns-fit findet seinen eigenen Ordner nicht (%1)</translation>
    </message>
    <message>
        <source>vorns-fit: the run report cannot be written: %1 cannot be started (%2)</source>
        <translation>vorns-fit: Der Bericht kann nicht geschrieben werden: %1 kann nicht gestartet werden (%2)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no KEY=VALUE</source>
        <translation>&apos;%1&apos; ist kein SCHLÜSSEL=WERT</translation>
    </message>
    <message>
        <source>Usage: vorns-fit FILE... [OPTION]...
Fits the lifetime of the records of each data file, read as vorns reads it,
and prints the results the fit window shows.

  --tmin T          lower end of the fit&apos;s window (default: dX; for a file
                    whose unit is known, 100 ns or its shortest duration,
                    rounded up to a whole number of classes)
  --tmax T          upper end of the fit&apos;s window (default: X max; for a file
                    whose unit is known, the gate&apos;s end: its longest duration
                    rounded up to two significant digits, 20 us without one)
  --model M         exp+flat (exponential plus flat background, default), exp,
                    mu-capture (the free muon&apos;s lifetime, tau+, beside the
                    negative muons captured in matter) or charge-ratio (N+/N-
                    with both lifetimes fixed); these two need a unit (--unit-ns
                    or the file&apos;s format) and the unbinned method
  --material M      the negative muons&apos; material: carbon (2026.3 ns, default),
                    oxygen (1795.4 ns) or their lifetime in ns
  --rho R           the charge ratio N+/N- mu-capture takes (default 1.27)
  --method M        unbinned (default) or binned (the histogram&apos;s classes)
  --dx W            class width dX (default 10; for a file whose unit is known,
                    a 200th of X max or more: 1, 2 or 5 x 10^k ns, a whole
                    number of steps of the durations&apos; clock)
  --xmax X          X max: the histogram shows X max / dX classes (default 800;
                    for a file whose unit is known, the gate&apos;s end)
  --skip-classes K  leave the first K classes out of the binned fit (default 0)
  --unit-ns U       nanoseconds in one unit of the durations (default: the
                    unit the file&apos;s format gives, 1 for two-integers, 1000
                    for decay-lines; else none, no time line)
  --precision P     the relative precision on tau of the forecast, in %,
                    above 0 and below 100 (default 1)
  --scan            the stability of tau: the fit made again with t min stepped
                    up over about two lifetimes, as a table (with --json, the key
                    stability)
  --json            one JSON object a file: status, events, tau, tau_error,
                    tau_lower, tau_upper, background_fraction,
                    background_fraction_error, correlation, tau_free, tau_minus,
                    rho, rho_error, rho_lower, rho_upper, chi2, ndf, p_value,
                    lattice_step, method, model, tmin, tmax, gf, gf_error,
                    forecast_hours (null when not a number), warnings (a list
                    of names); the run&apos;s rate: span_s, live_time_s,
                    rate_per_hour, rate_per_hour_error, gaps (a list of
                    start_s, end_s, length_s from the first record),
                    rate_p_value, drift_per_hour, drift_per_hour_error
  --rate            also the run&apos;s rate as text: mean rate, live time, gaps,
                    constancy, drift, and the table of its bins
  --combine         the runs of all the files fitted together (one likelihood,
                    the sum of theirs): a table of the runs (events in the
                    window, span, live time, rate, tau of the run alone), the
                    combined fit and the runs&apos; consistency (chi2, ndf,
                    p-value, Birge ratio); with --json one object with the
                    keys runs and consistency
  --exclude FILE@START-END
                    leave out of the fit and of the live time the records of
                    FILE whose time of day lies from START to END (hh:mm:ss,
                    with a day after the time origin&apos;s: +1/hh:mm:ss); may be
                    given more than once; with --combine only
  --report OUT.pdf  also write the run report to OUT.pdf (A4, or Letter in a
                    locale that uses it): the files with their SHA-256, the
                    figures, the fit, the stability, the rate, the runs&apos;
                    consistency with --combine, the plots and the command
                    line that gives the same fit
  --follow          follow the one FILE as it grows, as vorns&apos;s window does:
                    at every refresh period it is read again when it changed,
                    and one line a reload is printed (with --json one object a
                    line, with the key alarm); a run that stopped bringing
                    records is said on stderr and by a desktop notification
                    where one is reachable; ends on SIGINT or SIGTERM
  --period S        the refresh period of --follow in seconds (default 5)
  --serve PORT      with --follow, also serve the run as a read-only page at
                    http://ADDRESS:PORT/run/TOKEN/ (PORT 0: a free port), its
                    whole address said on stderr on a line of its own; TOKEN
                    is a new 128-bit secret at each start
  --serve-address A the address the page listens on (default 127.0.0.1, this
                    computer only; 0.0.0.0: every network of this computer)
  --keep-token      keep the page&apos;s address (token, port, network) from one
                    start to the next, in the settings folder
  --names TEXT, --group TEXT, --course TEXT, --setup TEXT, --note TEXT
                    with --report: who made the measurement, their group,
                    the course, the set-up and a free note, on the report&apos;s
                    first page (one left out or empty is not shown)
  --daq KEY=VALUE   a choice of the settings file qrt_vorn.daq, over the file&apos;s:
                    single_channel, double_channel (0 to 3), veto_channel (0 to 3
                    or none) and min_decay_ns, max_decay_ns for a DAQ card&apos;s raw
                    stream; dated_decay_lines (local or utc); may be given more
                    than once
  --details         with --json, also the file, the compared classes, the range
                    fitted and the durations (for the validation scripts)
  -h, --help        show this help and exit
      --version     show the version and exit

Numbers are read with &apos;.&apos; or &apos;,&apos; as the decimal mark. A duration (--tmin, --tmax)
cannot be negative; --dx, --xmax, --unit-ns, --material and --rho must be above
0. The values given are in the unit of the file&apos;s durations. Exit status: 0,
1 when a file cannot be read, holds no record or a line that is not a record,
2 on a bad option (mu-capture or charge-ratio without a unit, a window whose
t min is not below its t max, runs of --combine in different or unknown
units, the same file twice).
</source>
        <translation>Aufruf: vorns-fit DATEI... [OPTION]...
Passt die Lebensdauer an die Datensätze jeder Datendatei an, gelesen wie vorns
sie liest, und gibt die Ergebnisse aus, die das Anpassungsfenster zeigt.

  --tmin T          untere Grenze des Anpassungsfensters (Vorgabe: dX; für
                    eine Datei mit bekannter Einheit 100 ns oder ihre kürzeste
                    Dauer, aufgerundet auf eine ganze Zahl von Klassen)
  --tmax T          obere Grenze des Anpassungsfensters (Vorgabe: X max; für
                    eine Datei mit bekannter Einheit das Ende des Messfensters:
                    ihre längste Dauer, aufgerundet auf zwei gültige Ziffern,
                    20 us ohne eine)
  --model M         exp+flat (Exponential plus flacher Untergrund, Vorgabe),
                    exp, mu-capture (die Lebensdauer des freien Myons, tau+,
                    neben den in Materie eingefangenen negativen Myonen) oder
                    charge-ratio (N+/N- bei festen Lebensdauern); diese beiden
                    brauchen eine Einheit (--unit-ns oder das Format der Datei)
                    und die ungebinnte Methode
  --material M      das Material der negativen Myonen: carbon (Kohlenstoff,
                    2026.3 ns, Vorgabe), oxygen (Sauerstoff, 1795.4 ns) oder
                    ihre Lebensdauer in ns
  --rho R           das Ladungsverhältnis N+/N-, das mu-capture nimmt
                    (Vorgabe 1.27)
  --method M        unbinned (ungebinnt, Vorgabe) oder binned (die Klassen des
                    Histogramms)
  --dx W            Klassenbreite dX (Vorgabe 10; für eine Datei mit bekannter
                    Einheit ein 200stel von X max oder mehr: 1, 2 oder
                    5 x 10^k ns, eine ganze Zahl von Takten der Dauern)
  --xmax X          X max: Das Histogramm zeigt X max / dX Klassen (Vorgabe
                    800; für eine Datei mit bekannter Einheit das Ende des
                    Messfensters)
  --skip-classes K  die ersten K Klassen bei der gebinnten Anpassung weglassen
                    (Vorgabe 0)
  --unit-ns U       Nanosekunden in einer Einheit der Dauern (Vorgabe: die
                    Einheit, die das Format der Datei gibt, 1 für two-integers,
                    1000 für decay-lines; sonst keine, keine Zeitangabe)
  --precision P     die relative Genauigkeit von tau für die Prognose, in %,
                    über 0 und unter 100 (Vorgabe 1)
  --scan            die Stabilität von tau: die Anpassung erneut mit schrittweise
                    steigendem t min über etwa zwei Lebensdauern, als Tabelle
                    (mit --json der Schlüssel stability)
  --json            ein JSON-Objekt pro Datei: status, events, tau, tau_error,
                    tau_lower, tau_upper, background_fraction,
                    background_fraction_error, correlation, tau_free, tau_minus,
                    rho, rho_error, rho_lower, rho_upper, chi2, ndf, p_value,
                    lattice_step, method, model, tmin, tmax, gf, gf_error,
                    forecast_hours (null, wenn keine Zahl), warnings (eine Liste
                    von Namen); die Rate der Messreihe: span_s, live_time_s,
                    rate_per_hour, rate_per_hour_error, gaps (eine Liste von
                    start_s, end_s, length_s ab dem ersten Datensatz),
                    rate_p_value, drift_per_hour, drift_per_hour_error
  --rate            zusätzlich die Rate der Messreihe als Text: mittlere Rate,
                    aktive Messzeit, Lücken, Konstanz, Drift und die Tabelle
                    ihrer Intervalle
  --combine         die Messreihen aller Dateien gemeinsam angepasst (eine
                    Likelihood, die Summe der ihren): eine Tabelle der
                    Messreihen (Ereignisse im Fenster, Dauer, aktive Messzeit,
                    Rate, tau der Messreihe allein), die kombinierte Anpassung
                    und die Verträglichkeit der Messreihen (chi2, ndf, p-Wert,
                    Birge-Verhältnis); mit --json ein Objekt mit den
                    Schlüsseln runs und consistency
  --exclude DATEI@BEGINN-ENDE
                    die Datensätze von DATEI, deren Uhrzeit von BEGINN bis ENDE
                    liegt (hh:mm:ss, mit einem Tag nach dem des Zeitnullpunkts:
                    +1/hh:mm:ss), aus der Anpassung und der aktiven Messzeit
                    weglassen; mehrfach möglich; nur mit --combine
  --report OUT.pdf  zusätzlich den Bericht der Messreihe nach OUT.pdf schreiben
                    (A4, oder Letter in einer Locale, die es verwendet): die
                    Dateien mit ihrem SHA-256, die Kennzahlen, die Anpassung,
                    die Stabilität, die Rate, die Verträglichkeit der
                    Messreihen mit --combine, die Diagramme und die
                    Befehlszeile, die dieselbe Anpassung ergibt
  --follow          die eine DATEI verfolgen, während sie wächst, wie das
                    Fenster von vorns: in jeder Aktualisierungsperiode wird sie
                    neu gelesen, wenn sie sich geändert hat, und eine Zeile pro
                    Neuladen ausgegeben (mit --json ein Objekt pro Zeile, mit
                    dem Schlüssel alarm); eine Messreihe, die keine Datensätze
                    mehr bringt, wird auf stderr und durch eine
                    Desktop-Benachrichtigung gemeldet, wo eine erreichbar ist;
                    endet mit SIGINT oder SIGTERM
  --period S        die Aktualisierungsperiode von --follow in Sekunden
                    (Vorgabe 5)
  --serve PORT      mit --follow auch den Run als schreibgeschützte Seite unter
                    http://ADRESSE:PORT/run/TOKEN/ bereitstellen (PORT 0: ein
                    freier Port), die ganze Adresse auf stderr in einer eigenen
                    Zeile; TOKEN ist bei jedem Start ein neues 128-Bit-Geheimnis
  --serve-address A die Adresse, auf der die Seite lauscht (Vorgabe 127.0.0.1,
                    nur dieser Computer; 0.0.0.0: alle Netze dieses Computers)
  --keep-token      die Adresse der Seite (Token, Port, Netz) von einem Start
                    zum nächsten behalten, im Ordner der Einstellungen
  --names TEXT, --group TEXT, --course TEXT, --setup TEXT, --note TEXT
                    mit --report: wer die Messung gemacht hat, die Gruppe, der
                    Kurs, der Aufbau und eine freie Notiz, auf der ersten Seite
                    des Berichts (ein weggelassenes oder leeres wird nicht
                    gezeigt)
  --daq KEY=VALUE   eine Wahl der Einstellungsdatei qrt_vorn.daq, über die der
                    Datei: single_channel, double_channel (0 bis 3),
                    veto_channel (0 bis 3 oder none) und min_decay_ns,
                    max_decay_ns für den Rohdatenstrom einer DAQ-Karte;
                    dated_decay_lines (local oder utc); darf mehrmals
                    angegeben werden
  --details         mit --json zusätzlich die Datei, die verglichenen Klassen,
                    der angepasste Bereich und die Dauern (für die
                    Validierungsskripte)
  -h, --help        diese Hilfe zeigen und beenden
      --version     die Version zeigen und beenden

Zahlen werden mit &apos;.&apos; oder &apos;,&apos; als Dezimalzeichen gelesen. Eine Dauer (--tmin,
--tmax) kann nicht negativ sein; --dx, --xmax, --unit-ns, --material und --rho
müssen größer als 0 sein. Die Werte sind in der Einheit der Dauern der Datei.
Rückgabewert: 0; 1, wenn eine Datei nicht gelesen werden kann, keinen Datensatz
oder eine Zeile enthält, die kein Datensatz ist; 2 bei einer falschen Option
(mu-capture oder charge-ratio ohne Einheit, ein Fenster, dessen t min nicht
unter seinem t max liegt, Messreihen von --combine in verschiedenen oder
unbekannten Einheiten, dieselbe Datei zweimal).
</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is no port (0 to 65535)</source>
        <translation>%1: „%2“ ist kein Port (0 bis 65535)</translation>
    </message>
    <message>
        <source>--serve is taken with --follow</source>
        <translation>--serve gilt nur mit --follow</translation>
    </message>
    <message>
        <source>%1 is taken with --serve</source>
        <translation>%1 gilt nur mit --serve</translation>
    </message>
</context>
<context>
    <name>window_runs</name>
    <message numerus="yes">
        <source>%n lignes ignorées</source>
        <translation>
            <numerusform>%n Zeile übersprungen</numerusform>
            <numerusform>%n Zeilen übersprungen</numerusform>
        </translation>
    </message>
    <message>
        <source>sans unité</source>
        <translation>ohne Einheit</translation>
    </message>
    <message>
        <source>non lu</source>
        <comment>a run</comment>
        <translation>nicht gelesen</translation>
    </message>
    <message>
        <source>même run que %1</source>
        <translation>dieselbe Messreihe wie %1</translation>
    </message>
    <message>
        <source>%1 (%2, le run suivi %3)</source>
        <comment>a run, its unit, the followed run&apos;s unit</comment>
        <translation>%1 (%2, die verfolgte Messreihe %3)</translation>
    </message>
    <message>
        <source>autre unité</source>
        <translation>andere Einheit</translation>
    </message>
    <message>
        <source>unité inconnue</source>
        <translation>Einheit unbekannt</translation>
    </message>
    <message numerus="yes">
        <source>runs non lus : %1</source>
        <translation>
            <numerusform>nicht gelesene Messreihe: %1</numerusform>
            <numerusform>nicht gelesene Messreihen: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>autre unité, non combinés : %1</source>
        <translation>
            <numerusform>andere Einheit, nicht kombiniert: %1</numerusform>
            <numerusform>andere Einheit, nicht kombiniert: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>même run, non combinés : %1</source>
        <translation>
            <numerusform>dieselbe Messreihe, nicht kombiniert: %1</numerusform>
            <numerusform>dieselbe Messreihe, nicht kombiniert: %1</numerusform>
        </translation>
    </message>
</context>
</TS>
