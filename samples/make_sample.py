#!/usr/bin/env python3
"""Writes the bundled sample document, a short guide to Folivane itself.

    python3 samples/make_sample.py [output directory]     (default: samples/)

Produces folivane-guide.fodt, and from it, through the office, folivane-guide.docx and
folivane-guide.doc. The guide has headings on three levels, a filled-in table of contents
whose entries link to the headings, cross-references to headings (text and page), web
links in the body, a page header and footer with a link, a footnote with a link, a text
box with a link, and one landscape page in the middle.
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from flatodt import Document, LETTER, build, code, bold, link, para, tab, page_number  # noqa: E402

LIBREOFFICE = "https://www.libreoffice.org/"
GHOSTSCRIPT = "https://www.ghostscript.com/"
CUPS = "https://openprinting.github.io/cups/"
DTREE = "https://www.destroydrop.com/javascripts/tree/"
PDFMARK = "https://opensource.adobe.com/dc-acrobat-sdk-docs/library/pdfmark/"
POPPLER = "https://poppler.freedesktop.org/"
QT = "https://www.qt.io/"
TIDY = "https://www.html-tidy.org/"


def header(text):
    return [para("Folivane guide", tab(), text, tab(), "Made with ", link(LIBREOFFICE, "LibreOffice"),
                 style="Header")]


def make():
    d = Document("Folivane guide", page=LETTER)
    d.set_master("Standard", header=header("Publishing documents as PDF and HTML"),
                 footer=[para("Page ", page_number(), style="Footer")])
    d.add_master("Landscape", landscape=True, header=header("Option reference"),
                 footer=[para("Page ", page_number(), style="Footer")])

    d.title_page("Folivane guide", "Publishing word-processor documents as a PDF with an outline and links, "
                 "and as a framed HTML site")
    d.p("This guide is itself the sample document that Folivane publishes in its demonstration: every feature "
        "it describes appears somewhere in it, so the PDF and the HTML site made from it show what to expect "
        "from your own documents.")
    d.toc(levels=3)

    # ---- 1 --------------------------------------------------------------------------------
    d.heading(1, "What Folivane does", key="what", page_break=True)
    d.p("Folivane takes a document written with a word processor, in the ", code(".docx"), " or the older ",
        code(".doc"), " format, and publishes it in one of two forms. The document itself is never changed: "
        "Folivane works on a copy, reads the structure the author already gave it (headings, the table of "
        "contents, links and cross-references) and turns that structure into navigation.")
    d.p("The word processor does the layout. Folivane asks it where every heading and every link lands on the "
        "page and adds what a plain export leaves out. On Linux the word processor is ",
        link(LIBREOFFICE, "LibreOffice Writer"), ", started privately and driven without a window.")

    d.heading(2, "A PDF with an outline and links", key="pdf")
    d.p("The PDF route prints the document to PostScript, writes pdfmark instructions in front of it and "
        "lets a PDF producer, ", link(GHOSTSCRIPT, "Ghostscript"), ", make the final file. The pdfmark "
        "operators are described in Adobe's ", link(PDFMARK, "pdfmark reference"), ". The result is an "
        "ordinary PDF that any reader opens, with two additions that make a long document usable on screen.")
    d.heading(3, "Where the outline comes from", key="outline")
    d.p("The outline, the tree of bookmarks that readers show beside the pages, is made from the document's "
        "headings: every paragraph in a heading style down to the chosen depth becomes an entry, nested as the "
        "heading levels nest, and each entry opens its page just above the heading. A document without any "
        "heading still gets an outline when it has a table of contents: its entries are used instead.")
    d.p("Levels that skip a step, such as a Heading 3 directly under a Heading 1, are attached to the nearest "
        "entry above them, so the tree never has holes. The depth is the ", code("-d"), " option of ",
        d.ref("d2p"), ", described on page ", d.ref("d2p", "page"), ".")
    d.heading(3, "Which links are kept", key="links")
    d.p(d.text_box([para(bold("Try it."), " Open the PDF of this guide and click the link in this box: ",
                         link(GHOSTSCRIPT, "ghostscript.com"), ". Links in text boxes are kept too.",
                         style="Frame_20_contents")], width_cm=5.5),
        "Every link of the document becomes a clickable area of the PDF, placed over the link's text line by "
        "line: entries of the table of contents, cross-references such as the one to ", d.ref("desk"),
        " on page ", d.ref("desk", "page"), ", links to bookmarks, and web addresses. Web addresses are kept "
        "unchanged, so that a reader opens them in a browser. Links are found wherever the author put them: in "
        "the body, in tables, in footnotes, in text boxes, and in page headers and footers, where they are "
        "repeated on every page that shows the header.")
    d.p("The header of this guide carries a link to the LibreOffice site, the box on the right another one, "
        "and the footnote at the end of this paragraph a third.",
        d.footnote("The word processor's own PDF export drops links in headers and in text boxes. Folivane "
                   "places them itself; compare with the Ghostscript documentation at ",
                   link("https://ghostscript.readthedocs.io/", "ghostscript.readthedocs.io"), "."))

    d.heading(2, "A framed HTML site", key="html")
    d.p("The HTML route saves the document as HTML, cleans the markup with a small filter program built on ",
        link(TIDY, "HTML Tidy"), " and cuts the result into one page per heading. A frameset shows a tree "
        "index on the left and the pages on the right; the site opens from its ", code("index.html"),
        " and needs no server.")
    d.heading(3, "Pages and navigation", key="pages")
    d.p("Each heading down to the chosen depth starts a page; deeper headings stay inside the page of their "
        "parent. Every page gets a Previous/Next bar, and links inside the document are redirected to the page "
        "that now holds their target, so a cross-reference still lands on the right paragraph. The index is "
        "drawn with the ", link(DTREE, "dTree"), " script, whose files are copied into every site.")
    d.heading(3, "Leaving parts out of the index", key="exclude")
    d.p("A range of pages can be kept out of the index by two marker headings: a heading whose text is ",
        code("FV_EXCLUDE"), " starts the range and one whose text is ", code("FV_INCLUDE"), " ends it. "
        "The markers themselves never appear. They are honoured with the ", code("-x"), " option when the "
        "Previous/Next bar is switched off, so that every page is still reachable.")

    # ---- 2 --------------------------------------------------------------------------------
    d.heading(1, "Getting started", key="start", page_break=True)
    d.heading(2, "What you need", key="need")
    d.p("Folivane is built with a C++20 compiler and CMake. At run time it needs the word processor (",
        link(LIBREOFFICE, "LibreOffice"), " 7.4 or later with Writer), ", link(GHOSTSCRIPT, "Ghostscript"),
        " as the PDF producer, ", link(POPPLER, "Poppler"), "'s utilities to prepare the printed PostScript, "
        "and a PostScript printer queue in ", link(CUPS, "CUPS"), ". The desk program uses ", link(QT, "Qt 6"),
        ". On Debian all of these are packages, and the script ", code("scripts/deps.sh"),
        " installs whatever is missing.")
    d.heading(2, "Building", key="build")
    d.p("From the top of the source tree:")
    d.p("bash scripts/build.sh release", style="Code_20_block")
    d.p("This configures and builds the release preset. The command-line host is then ",
        code("build/release/tools/vane/vane"), ", the desk program ", code("build/release/desk/ui/vanedesk"),
        ". Other presets are debug, asan and ci; ", code("bash scripts/test.sh"), " builds and runs every "
        "test suite.")
    d.heading(2, "The PostScript printer", key="printer")
    d.p("The PDF route prints through a PostScript printer. Install it once, as an administrator, with the "
        "generic PostScript driver that CUPS always has:")
    d.p("vane install_printer -p Folivane -d \"Generic PostScript Printer\"", style="Code_20_block")
    d.p("The queue prints nowhere: Folivane only needs it to exist. ", code("vane uninstall_printer -p Folivane"),
        " removes it again.")

    # ---- 3 --------------------------------------------------------------------------------
    d.heading(1, "Publishing from the command line", key="cli", page_break=True)
    d.p("The ", code("vane"), " host runs any command of the Folivane library from a shell. Each command "
        "behaves like a small program: options first, the document last, progress messages on the terminal "
        "and an exit status of 0 on success. Add ", code("-language FRENCH"), " before the command for French "
        "messages.")
    d.heading(2, "vane d2p", key="d2p")
    d.p("d2p publishes a PDF. With the printer of ", d.ref("printer"), " installed:")
    d.p("vane d2p -p Folivane -o guide.pdf folivane-guide.docx", style="Code_20_block")
    d.p("Without ", code("-o"), " the PDF is written beside the document, with the same name and the extension ",
        code(".pdf"), ". The working copy and the intermediate PostScript files are removed when the command "
        "ends, whether it succeeds or not.")
    d.heading(3, "Choosing the outline depth", key="depth")
    d.p(code("-d 2"), " keeps only the first two heading levels in the outline; ", code("-d 0"),
        " makes a PDF without one. ", code("-k"), " asks the reader to open the outline panel together with "
        "the document, and ", code("-l"), " leaves the links out. The full list of options is in ",
        d.ref("reference"), " on page ", d.ref("reference", "page"), ".")
    d.heading(2, "vane d2h", key="d2h")
    d.p("d2h publishes an HTML site into a directory:")
    d.p("vane d2h -e -o site folivane-guide.docx", style="Code_20_block")
    d.p("Open ", code("site/index.html"), " in a browser. ", code("-e"), " empties the directory first, which "
        "is what you want when you publish again after editing the document. Without ", code("-o"),
        " the site goes into a directory named after the document.")
    d.heading(3, "Choosing where pages start", key="split")
    d.p("By default Headings 1 to 3 start pages. ", code("-d 1"), " makes one page per chapter; ", code("-k 2"),
        " keeps the first two headings, often a title and a preface, on the home page. ", code("-t"),
        " sets the site's title, which otherwise is the document's title or, when it has none, its file name.")

    # ---- 4: the landscape page --------------------------------------------------------------
    d.heading(1, "Option reference", key="reference", master="Landscape")
    d.p("This page is set in landscape orientation, so that both commands fit side by side. In the PDF it is "
        "displayed upright, and the links and outline entries that point here land where they should.")
    d.table([2.0, 9.0, 2.0, 9.0], [
        ["d2p", "Meaning", "d2h", "Meaning"],
        ["-o pdf", "output file (default: the document with .pdf)", "-o dir", "output directory (default: the document without its extension)"],
        ["-d 0..6", "deepest heading level in the outline, 0 for none (6)", "-d 0..6", "deepest heading level that starts a page (3)"],
        ["-p name", "PostScript printer to print through", "-k n", "leading headings that do not start a page (0)"],
        ["-c dir", "Ghostscript folder, the one holding bin/gs", "-p width", "width of the index frame (150)"],
        ["-j file", "job file: extra Ghostscript arguments", "-t title", "title of the home page and the index"],
        ["-l", "no links", "-c file", "stylesheet for the site"],
        ["-k", "open the outline panel with the document", "-n ON|OFF", "Previous/Next bar on every page (ON)"],
        ["", "", "-m / -x / -e / -z", "no home page / honour the marker headings / empty the directory first / split the saved HTML again"],
        ["-v / -s / -w", "verbose / silent / show the word processor", "-v / -s / -w", "verbose / silent / show the word processor"],
    ])
    d.p("Both commands print their progress as numbered messages; the last one says whether the process ended "
        "successfully. See ", d.ref("trouble"), " on page ", d.ref("trouble", "page"), " when it did not.")

    # ---- 5 --------------------------------------------------------------------------------
    d.heading(1, "The desk program", key="desk", master="Standard")
    d.p("vanedesk is the same two conversions behind a small window, for those who prefer not to type commands.")
    d.heading(2, "The main window", key="window")
    d.p("Choose the document with Browse, pick Html or Pdf, and press Start. The log pane below shows the "
        "same messages that the command line prints. Display result opens the PDF, or the site's ",
        code("index.html"), ", with the program your desktop associates with it.")
    d.p("Before each conversion the program checks that the word processor and, for a PDF, Ghostscript are "
        "present, and says so in the log when they are not. It can also be started with a document path, which "
        "then fills the chooser, or with ", code("checkghostscript"), " or ", code("checkwinword"),
        " to run only the checks.")
    d.heading(2, "Parameter profiles", key="profiles")
    d.p("Settings opens the parameters of both routes: the outline depth and link options of the PDF, the "
        "splitting depth, home page and index width of the site. A set of parameters can be saved under a name "
        "and loaded again later. The profiles live in ", code("~/.config/Folivane/Settings/settings.ini"),
        ".")

    # ---- 6 --------------------------------------------------------------------------------
    d.heading(1, "Writing documents that publish well", key="writing")
    d.heading(2, "Headings", key="headings")
    d.p("Use the word processor's heading styles, Heading 1 to Heading 6, rather than large bold text: only "
        "they carry the outline level that Folivane reads. Keep headings short, since they become outline "
        "entries and page titles. This guide uses three levels, as ", d.ref("what"), " on page ",
        d.ref("what", "page"), " shows.")
    d.heading(2, "Links and cross-references", key="xrefs")
    d.p("Insert cross-references with the word processor's cross-reference command rather than typing "
        "\"see page 4\": only a real reference becomes a link, and its page number stays right when the text "
        "moves. A table of contents inserted with hyperlinks gives one link per entry.")
    d.heading(2, "Headers, footnotes and text boxes", key="extras")
    d.p("Links may go anywhere. A link in a page header, like the one above, appears on every page that "
        "shows that header; different first pages and odd and even headers are respected. Links in footnotes "
        "and text boxes work as in the body, as ", d.ref("links"), " on page ", d.ref("links", "page"),
        " demonstrates.")

    # ---- 7 --------------------------------------------------------------------------------
    d.heading(1, "When something goes wrong", key="trouble", page_break=True)
    d.p("Run the command again with ", code("-v"), ": every step then prints what it is doing, including the "
        "paths it derived and the command line of the PDF producer.")
    d.heading(2, "Common messages", key="messages")
    d.p(bold("Multiple instances not supported."), " Another Folivane conversion is running on this machine; "
        "wait for it to finish.")
    d.p(bold("Heading level must be between 0 and 6."), " The value of ", code("-d"), " is out of range.")
    d.p(bold("File not found."), " The document path is wrong; relative paths are taken from the current "
        "directory.")
    d.p(bold("Cannot open or connect MS WinWord."), " The word processor could not be started: check that "
        "LibreOffice Writer is installed and that ", code("soffice"), " runs.")
    d.p("Any other failure ends with \"*** Process terminated with error ***\" and leaves no temporary file "
        "behind.")
    return d


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    outdir = os.path.abspath(sys.argv[1]) if len(sys.argv) > 1 else here
    os.makedirs(outdir, exist_ok=True)
    fodt = os.path.join(outdir, "folivane-guide.fodt")
    pages, results = build(make(), fodt)
    print("heading pages:", pages)
    for path in [fodt] + list(results.values()):
        print("%s (%d bytes)" % (path, os.path.getsize(path)))


if __name__ == "__main__":
    main()
