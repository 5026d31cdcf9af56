#!/usr/bin/env python3
"""What a screen reader sees of the main window, through AT-SPI.

Run as: lecteur_ecran.py PROGRAM. It starts itself again under a virtual
display and a private D-Bus session, starts PROGRAM with accessibility on
in a temporary folder, then reads the tree and presses buttons.
"""
import os
import subprocess
import sys
import tempfile
import time


def outer(program):
    with tempfile.TemporaryDirectory() as tmp:
        env = dict(os.environ, HOME=tmp, XDG_CONFIG_HOME=os.path.join(tmp, "config"),
                   XDG_RUNTIME_DIR=os.path.join(tmp, "run"))
        os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700)
        env.pop("QT_QPA_PLATFORM", None)
        cmd = ["xvfb-run", "-a", "dbus-run-session", "--", sys.executable, __file__, "--inner", program]
        return subprocess.run(cmd, env=env, timeout=120).returncode


# A hint split at "/" only where the right button has a command of its own.
ABOUT = ("A propos de Ordalis.../Changer les couleurs, afficher ou non les info-bulles et les conseils au "
         "démarrage, désinstaller")


def find_app(pyatspi, name, seconds=20):
    end = time.time() + seconds
    while time.time() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == name:
                return app
        time.sleep(0.25)
    return None


def nodes(obj):
    found = [obj]
    for i in range(obj.childCount):
        child = obj.getChildAtIndex(i)
        if child is not None:
            found.extend(nodes(child))
    return found


def showing(pyatspi, node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def inner(program):
    import pyatspi
    work = tempfile.mkdtemp()
    for name in ("a.txt", "b.txt", "c.doc"):
        open(os.path.join(work, name), "w").close()
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    # The accessibility bus and its registry must be up before the program
    # starts, or the program may not register on it.
    pyatspi.Registry.getDesktop(0).childCount
    time.sleep(0.5)
    proc = subprocess.Popen([program], cwd=work, env=env)
    failures = []
    passed = 0

    def check(ok, what):
        nonlocal passed
        if ok:
            passed += 1
        else:
            failures.append(what)
            print("FAIL:", what)

    try:
        app = find_app(pyatspi, "Ordalis...")
        if app is None:
            print("FAIL: the program never appeared on the accessibility bus")
            return 1
        time.sleep(1.0)
        tree = [(n.getRoleName(), n.name, n) for n in nodes(app)]

        def get(role, name):
            return next((n for r, nm, n in tree if r == role and nm == name), None)

        expected = [("push button", "Ordalis..."), ("push button", "Fermer"), ("push button", "Réduire"),
                    ("combo box", "Lecteurs"), ("list", "Dossiers"), ("list", "Fichiers"),
                    ("text", "Création - date"), ("text", "Création - heure"),
                    ("text", "Modification - date"), ("text", "Modification - heure"),
                    ("check box", "Archive"), ("push button", "Renommer les fichiers/Retour"),
                    ("push button", "Appel de l'aide générale"), ("push button", ABOUT)]
        for role, name in expected:
            check(get(role, name) is not None, "%s named %r" % (role, name))
        check(any(r == "filler" and nm == "Aucun fichier sélectionné" for r, nm, _ in tree)
              or get("label", "Aucun fichier sélectionné") is not None, "selection count readable")

        about = get("push button", ABOUT)
        menu = get("filler", "Configuration des couleurs, etc.")
        check(menu is not None and not showing(pyatspi, menu), "menu panel hidden at start")
        if about is not None and menu is not None:
            action = about.queryAction()
            check(action.getName(0) == "Press", "buttons offer Press")
            action.doAction(0)
            time.sleep(0.7)
            check(showing(pyatspi, menu), "Press on the about button shows the menu panel")
        close = get("push button", "Fermer")
        if close is not None:
            close.queryAction().doAction(0)
            try:
                proc.wait(timeout=10)
                check(True, "")
            except subprocess.TimeoutExpired:
                check(False, "Press on Fermer ends the program")
    finally:
        if proc.poll() is None:
            proc.kill()
    print("%d passed, %d failed" % (passed, len(failures)))
    return 1 if failures else 0


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "--inner":
        sys.exit(inner(sys.argv[2]))
    sys.exit(outer(sys.argv[1]))
