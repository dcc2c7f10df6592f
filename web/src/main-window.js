// The main window: the card on show, the counters and the eight buttons. It
// forwards every click to the rules and shows what the rules report.
import { Theme } from "./layout.js";
import { applyFont, element, placeRect } from "./dom.js";
import { PageWindow, rule } from "./frame.js";
import { CardView } from "./card-view.js";

export class MainWindow extends PageWindow {
  // `actions` holds one handler per button, in tab order; `cards` the 52
  // pictures' addresses.
  constructor({ design, icon, cards, actions }) {
    const layout = design.main;
    super({ id: "main-window", layout, icon });
    this.layout = layout;
    this.client.append(rule(layout.rule));
    this.labels = layout.labels.map((designed, i) => makeLabel(designed, i + 1, layout, design.red));
    for (const number of layout.readingOrder) {
      this.client.append(this.labels[number - 1]);
    }
    this.values = this.labels.map((label) => label.querySelector(".value"));

    this.card = new CardView({
      sources: cards,
      names: design.cardNames,
      rect: layout.card,
      picture: layout.cardPicture,
    });
    this.client.append(this.card.image);
    this.cycling = false;

    this.buttons = layout.buttons.map((designed, i) => {
      const button = element("button", {
        type: "button",
        className: "command",
        textContent: designed.caption,
        disabled: true,
      });
      placeRect(button, designed.rect);
      applyFont(button, designed.font);
      button.addEventListener("click", actions[i]);
      return button;
    });
    this.client.append(...this.buttons);
  }

  showCard(card) {
    this.card.show(card, { named: !this.cycling });
  }

  // While the timer runs, cards cycle by without a name; the one on show
  // when it stops gets its name.
  setCycling(cycling) {
    this.cycling = cycling;
    if (!cycling) {
      this.card.name();
    }
  }

  setBusy(busy) {
    this.element.setAttribute("aria-busy", String(busy));
  }

  // Device pixels per CSS pixel of the window, for the card's sharpness.
  setDeviceRatio(ratio) {
    this.card.resize(ratio);
  }

  // `box` in the rules' NumberBox order.
  showNumber(box, text) {
    this.values[this.layout.numberLabels[box] - 1].textContent = text;
  }

  // `index` in tab order; the rules decide when the focus moves.
  setButtonEnabled(index, enabled) {
    this.buttons[index].disabled = !enabled;
  }

  focusButton(index) {
    this.buttons[index].focus();
  }
}

// A box of text; a number box is named by its row and reads its number, and
// the caption beside it, which names the same row, is passed by, so that the
// row is heard once. The numbers are not live regions: a screen reader hears
// each draw and each run's end once, through the announcer.
function makeLabel(designed, number, layout, red) {
  const tag = number === layout.headingLabel ? "h1" : "div";
  const label = element(tag, {
    className: `label ${designed.border}`,
    "data-label": String(number),
  });
  placeRect(label, designed.rect);
  applyFont(label, designed.font);
  label.style.background = designed.back;
  label.style.color = designed.text === "red" ? red : Theme[designed.text];
  if (designed.rowName) {
    label.setAttribute("role", "group");
    label.setAttribute("aria-label", designed.rowName);
  } else if (designed.captionOfARow) {
    label.setAttribute("aria-hidden", "true");
  }
  label.append(element("span", { className: "value", textContent: designed.caption }));
  return label;
}
