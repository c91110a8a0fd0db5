$$$
NAME: Periwinkle
$$$
$balloon28$
            $\$
             $\$     ]P13244e9[31m▄]P2d7dbf7[42m▀[49m▄
    ]P15d5eff[31m▄▄]P2c0a0f0[42m▀▀▀▀]P2f8f8ff[42m▀▀[49m▄ ]P13244e9[31m▄]P2a8b0f0[42m▀▀[49m]P15d5eff[31m▄]P13244e9[31m█]P1d7dbf7[31m]P28f99ec[42m▀▄]P13244e9[31m█
  ]P15d5eff[31m▄]P2c0a0f0[42m▀]P1f8f8ff[31m▄▄███████]P15d5eff[31m]P23244e9[42m▀]P1ff9db5[31m▄█]P15d5eff[31m█ ]P1d7dbf7[31m]P28f99ec[42m▀▄█]P13244e9[31m█]P15d5eff[31m]P2c0a0f0[42m▀[49m▄
 ]P15d5eff[31m▄]P2cbcbff[42m▀]P1f8f8ff[31m████████▀ ]P13244e9[31m█]P1ff9db5[31m██]P13244e9[31m]P2a8b0f0[42m▀]P1d7dbf7[31m▀▀]P18f99ec[31m]P25d5eff[42m▀]P1d7dbf7[31m▀]P13244e9[31m▀]P1c0a0f0[31m]P2cbcbff[42m▀█]P15d5eff[31m█
 ]P15d5eff[31m█]P1cbcbff[31m█]P1f8f8ff[31m████]P2cbcbff[42m▀▀]P15d5eff[31m▄]P1c0a0f0[31m▄]P25d5eff[42m▄ ]P18a94ef[31m█]P1a8b0f0[31m██]P215101b[42m▄▀▀▀▀▀▀█]P2bdc3f4[42m▄]P13244e9[31m█
]P15d5eff[31m▄]P2cbcbff[42m▀]P1f8f8ff[31m▄▀]P25d5eff[42m▀]P1cbcbff[31m▀]P2c0a0f0[42m▀]P15d5eff[31m▀]P1f8f8ff[31m▄▄█]P2cbcbff[42m▀]P15d5eff[31m█]P18a94ef[31m█]P1a8b0f0[31m███]P115101b[31m█]P2ffffff[42m▀]P26a3aa0[42m▀▀▀▀█]P1a8b0f0[31m█]P2bdc3f4[42m▀]P13244e9[31m█
]P15d5eff[31m█]P2cbcbff[42m▄]P2c0a0f0[42m▀▀]P1f8f8ff[31m▄▄████]P2cbcbff[42m▀]P15d5eff[31m▄]P28a94ef[42m▀]P1a8b0f0[31m▄███]P115101b[31m█]P1ffffff[31m█]P26a3aa0[42m▀]P115101b[31m██ █]P1a8b0f0[31m█]P1bdc3f4[31m█]P13244e9[31m█
]P15d5eff[31m█]P1c0a0f0[31m]P2cbcbff[42m▀]P1f8f8ff[31m██████▀ ]P15d5eff[31m▄]P28a94ef[42m▀]P1a8b0f0[31m▄████]P115101b[31m█]P1ffffff[31m█]P18750c0[31m█]P215101b[42m▄▄]P2ffffff[42m▀]P115101b[31m█]P1a8b0f0[31m██]P2bdc3f4[42m▄]P13244e9[31m█
]P15d5eff[31m█]P1cbcbff[31m█]P1f8f8ff[31m████]P2cbcbff[42m▀]P15d5eff[31m▄]P2c0a0f0[42m▀]P1f8f8ff[31m▄]P15d5eff[31m█]P18a94ef[31m]P2a8b0f0[42m▀      ]P115101b[31m▀]P2ff9db5[42m▀▀▀]P2a8b0f0[42m▀]P13244e9[31m▄ ▀ █
]P15d5eff[31m█]P1cbcbff[31m█]P2f8f8ff[42m▄]P15d5eff[31m▄]P2cbcbff[42m▄]P2c0a0f0[42m▀▀]P1f8f8ff[31m▄█]P2cbcbff[42m▀]P15d5eff[31m█]P1a8b0f0[31m████]P28a94ef[42m▀]P23244e9[42m▀▀]P18a94ef[31m▀▀▀▀▀[49m▀]P13244e9[31m▀▀▀
]P15d5eff[31m▀█]P1c0a0f0[31m█]P2f8f8ff[42m▀   ]P1cbcbff[31m▄]P25d5eff[42m▀]P1a8b0f0[31m▄███]P28a94ef[42m▄▄  ]P13244e9[31m]P2bdc3f4[42m▀[49m▄
  ]P15d5eff[31m▀]P2cbcbff[42m▄]P1f8f8ff[31m▀▀]P15d5eff[31m▄]P2a8b0f0[42m▀          ]P1bdc3f4[31m▀]P23244e9[42m▄[49m]P13244e9[31m▄
